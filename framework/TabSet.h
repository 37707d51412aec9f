#pragma once
// An old-style tab set: a window of the framework's own class that draws a row of tabs
// along its top or bottom edge, one tab per line of Tabs. A click on a tab makes it the
// current one (TabIndex) and raises OnChange. Tabs are as wide as their caption plus a
// margin and TabHeight high; the current tab is drawn raised, the others flat.
#include <vector>

#include "framework/ComCtrls.h"
#include "framework/Controls.h"
#include "framework/StringList.h"

class TTabSet : public TCustomControl {
    KELVORA_CLASS(TTabSet)
public:
    explicit TTabSet(TComponent* owner);

    TStrings& Tabs() { return tabs_; }
    TStrings* TabsObject() const { return const_cast<TStringList*>(&tabs_); }
    // -1 (no tab) up to the last tab; anything else is refused.
    int TabIndex() const { return tabIndex_; }
    void SetTabIndex(int index);
    TTabPosition TabPosition() const { return position_; }
    void SetTabPosition(TTabPosition position);
    int TabHeight() const { return tabHeight_; }
    void SetTabHeight(int height);

    // The tabs' rectangles in client coordinates, in the font the control has now.
    std::vector<RECT> TabRects();
    // The tab holding the client point, -1 when none.
    int TabAt(int x, int y);

    void Paint(TCanvas& canvas) override;

    // The current tab changed (by a click or by SetTabIndex).
    TNotifyEvent OnChange;

protected:
    void WndProc(TMessage& message) override;

private:
    void TabsChanged();

    TStringList tabs_;
    int tabIndex_ = -1;
    TTabPosition position_ = tpTop;
    int tabHeight_ = 20;
};
