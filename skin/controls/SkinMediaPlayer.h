#pragma once
// Media players: the player keeps working as it is, while a panel laid over it (a sibling
// window with the player's bounds) shows its button strip with the program's own button
// pictures and hands the presses on to the player underneath.
//
// The player is read through its published properties by name: "VisibleButtons",
// "EnabledButtons" and "ColoredButtons", each a set of the nine buttons as an ordinal whose
// bit i stands for button i in the order play, pause, stop, next, previous, step, back,
// record, eject. A player that does not publish one of them counts as having all nine.
#include "skin/controls/SkinControl.h"

#include <array>

#include "framework/Controls.h"
#include "skin/data/Geometry.h"
#include "skin/data/PixelBuffer.h"

class TSkinData;

constexpr int kMediaButtonCount = 9;
constexpr long long kAllMediaButtons = (1 << kMediaButtonCount) - 1;

// Button pictures by state: enabled (black), disabled, coloured.
enum TMediaButtonState : int { mbsEnabled = 0, mbsDisabled = 1, mbsColoured = 2 };

// The name of a button picture in the program's resources: "EN_MPPLAY", "DI_MPSTOP", ...
const char* MediaButtonResourceName(TMediaButtonState state, int button);

// The panel over a media player. Its Tag is the skin's DisableTag, so no skinner takes it.
class TMediaPlayerOverlay : public TCustomControl {
    KELVORA_CLASS(TMediaPlayerOverlay)
public:
    explicit TMediaPlayerOverlay(TComponent* owner);
    // The player served and the module whose resources hold the button pictures
    // (nullptr: the program's). A picture the module lacks is drawn as a plain face.
    void SetTarget(TWinControl* player, TSkinData* skinData, HINSTANCE module = nullptr);
    TWinControl* Target() const { return target_.Get(); }
    // Takes the player's bounds, visibility and place above it.
    void Place();
    void Paint(TCanvas& canvas) override;

    // The visible buttons, left to right (button numbers 0-8).
    std::vector<int> VisibleButtons() const;
    // The button under a client point, -1 when none: equal widths over the visible buttons
    // (client width / their count), the rest at the right belongs to none.
    int ButtonAt(int x, int y) const;
    // A loaded button picture (empty when the resources have none).
    const PixelBuffer& Picture(TMediaButtonState state, int button) const;

    int ButtonWidth = 0;  // of the last layout
    int Pressed = -1;     // the button held down, -1 when none

protected:
    void WndProc(TMessage& message) override;

private:
    void Press(const TMessage& m);
    void Release(const TMessage& m);
    // Posts a mouse message to the player at the same screen point.
    void Forward(UINT msg, WPARAM keys, LPARAM at);
    long long ButtonSet(const char* property) const;
    void LoadPictures(HINSTANCE module);

    TComponentRef<TWinControl> target_;
    TComponentRef<TSkinData> skinData_;
    std::array<PixelBuffer, 3 * kMediaButtonCount> pictures_;
    PixelBuffer face_;
};

class TSkinMP : public TSkinControl {
    KELVORA_CLASS(TSkinMP)
public:
    explicit TSkinMP(TComponent* owner);
    ~TSkinMP() override;
    void Attach(TSkinForm* formSkinner, TSkinData* skinData, bool setColour, TCanvas* canvas) override;
    void Detach() override;
    void AfterMessage(TMessage& m) override;

    TMediaPlayerOverlay* Overlay() const { return overlay_.Get(); }

private:
    void FreeOverlay();
    TComponentRef<TMediaPlayerOverlay> overlay_;
};
