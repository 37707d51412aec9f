#pragma once
// "COMBOBOX": a drop-down combo (an edit with a list) or a drop-down list (a fixed choice).
// Items() is a view onto the window's items, like a list box's; Text is the edit's text
// or the chosen item's.
#include <memory>

#include "framework/Controls.h"
#include "framework/StringList.h"

enum TComboBoxStyle : uint8_t { csDropDown, csDropDownList };

class TComboBox : public TWinControl {
    KELVORA_CLASS(TComboBox)
public:
    explicit TComboBox(TComponent* owner);
    ~TComboBox() override;
    TComboBoxStyle Style() const { return style_; }
    void SetStyle(TComboBoxStyle v);
    TStrings& Items() { return *items_; }
    TStrings* ItemsObject() const { return items_.get(); }
    int ItemIndex();
    void SetItemIndex(int v);
    // Items the dropped list shows without scrolling.
    int DropDownCount() const { return dropDownCount_; }
    void SetDropDownCount(int v) { dropDownCount_ = v > 0 ? v : 1; }
    bool DroppedDown();
    void SetDroppedDown(bool v);

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleDone() override;
    void DestroyWnd() override;

private:
    friend class TComboBoxStrings;
    std::unique_ptr<TStrings> items_;
    std::unique_ptr<TStringList> savedItems_;  // items kept while there is no window
    int savedIndex_ = -1;
    int dropDownCount_ = 8;
    TComboBoxStyle style_ = csDropDown;
};
