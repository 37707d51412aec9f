#pragma once
// Column headers of list views drawn whole from the skin's Headerbar element: the item
// under the mouse in frame 2, the others and the space after the last one in frame 1,
// captions and images aligned by each item's format (ComboPainter.h composes them).
#include "skin/controls/SkinControl.h"

#include <memory>
#include <vector>

#include "framework/Graphics.h"
#include "skin/controls/ComboPainter.h"
#include "skin/data/PixelBuffer.h"

class TSkinHeader : public TSkinControl {
    KELVORA_CLASS(TSkinHeader)
public:
    explicit TSkinHeader(TComponent* owner);
    ~TSkinHeader() override;
    bool BeforeMessage(TMessage& m) override;
    void AfterMessage(TMessage& m) override;
    void DrawSkin(HDC dc, const RECT& rect) override;

    int32_t HotItem = -1;
    std::vector<THeaderItem> Items;  // as read at the last paint

private:
    void ReadItems();
    void MouseMove(const TMessage& m);
    PixelBuffer picture_;
    std::unique_ptr<BufferDc> pictureDc_;  // declared after picture_: goes first
};

// Gives the column header child ("SysHeader32") of a list view its skinner, owned by the
// list view's own skinner when it has one, else by the list view. Null when there is no
// header or it is skinned already.
TSkinHeader* SkinListViewHeader(TSkinForm& form, TWinControl* listView);
