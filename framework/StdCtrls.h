#pragma once
// Standard controls over the system's window classes (BUTTON, EDIT, LISTBOX), the group
// box (a framework window that draws the group frame) and the label (a graphic control).
#include "framework/Controls.h"
#include "framework/StringList.h"

#include <memory>
#include <string>

enum TScrollStyle : uint8_t { ssNone, ssHorizontal, ssVertical, ssBoth };
enum TAlignment : uint8_t { taLeftJustify, taRightJustify, taCenter };
enum TTextLayout : uint8_t { tlTop, tlCenter, tlBottom };

class TButtonControl : public TWinControl {
    KELVORA_CLASS(TButtonControl)
public:
    explicit TButtonControl(TComponent* owner);
};

// "BUTTON", BS_PUSHBUTTON; BN_CLICKED (reflected as CN_COMMAND) calls Click().
class TButton : public TButtonControl {
    KELVORA_CLASS(TButton)
public:
    explicit TButton(TComponent* owner);
    bool Default() const { return default_; }
    void SetDefault(bool v);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool v) { cancel_ = v; }
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int v) { modalResult_ = v; }

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;

private:
    bool default_ = false;
    bool cancel_ = false;
    int modalResult_ = 0;
};

// "EDIT". OnChange runs for every change of the text: EN_CHANGE, and a program-set text of
// a multi-line edit (which sends no EN_CHANGE).
class TCustomEdit : public TWinControl {
    KELVORA_CLASS(TCustomEdit)
public:
    explicit TCustomEdit(TComponent* owner);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle v);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool v);
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int v);
    bool AutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool v) { autoSelect_ = v; }
    int SelStart();
    void SetSelStart(int v);
    int SelLength();
    void SetSelLength(int v);
    std::string SelText();
    void SetSelText(const std::string& s);  // replaces the selection (EM_REPLACESEL)
    void SelectAll();
    void Clear() { SetText(""); }
    bool Modified();
    void SetModified(bool v);

    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleDone() override;
    void WndProc(TMessage& message) override;
    virtual void Change();

    TBorderStyle borderStyle_ = bsSingle;
    bool readOnly_ = false;
    int maxLength_ = 0;
    bool autoSelect_ = true;
};

class TEdit : public TCustomEdit {
    KELVORA_CLASS(TEdit)
public:
    explicit TEdit(TComponent* owner);
};

// Multi-line "EDIT". Lines() is a view onto the text's lines (CR LF separated).
class TCustomMemo : public TCustomEdit {
    KELVORA_CLASS(TCustomMemo)
public:
    explicit TCustomMemo(TComponent* owner);
    ~TCustomMemo() override;
    TStrings& Lines() { return *lines_; }
    TStrings* LinesObject() const { return lines_.get(); }
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle v);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v);
    bool WantReturns() const { return wantReturns_; }
    void SetWantReturns(bool v) { wantReturns_ = v; }
    bool WantTabs() const { return wantTabs_; }
    void SetWantTabs(bool v) { wantTabs_ = v; }

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;

private:
    std::unique_ptr<TStrings> lines_;
    TScrollStyle scrollBars_ = ssNone;
    bool wordWrap_ = true;
    bool wantReturns_ = true;
    bool wantTabs_ = false;
};

class TMemo : public TCustomMemo {
    KELVORA_CLASS(TMemo)
public:
    explicit TMemo(TComponent* owner);
};

// "LISTBOX" (unsorted unless Sorted). Items() is a view onto the window's items; an index
// outside the list raises EStringListError "List index out of bounds (%d)".
class TCustomListBox : public TWinControl {
    KELVORA_CLASS(TCustomListBox)
public:
    explicit TCustomListBox(TComponent* owner);
    ~TCustomListBox() override;
    TStrings& Items() { return *items_; }
    TStrings* ItemsObject() const { return items_.get(); }
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int v);
    bool Sorted() const { return sorted_; }
    void SetSorted(bool v);
    int ItemIndex();
    void SetItemIndex(int v);
    int Count() { return items_->Count(); }
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle v);
    void Clear() { items_->Clear(); }

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleDone() override;
    void DestroyWnd() override;

private:
    friend class TListBoxStrings;
    std::unique_ptr<TStrings> items_;
    std::unique_ptr<TStringList> savedItems_;  // items kept while there is no window
    int itemHeight_ = 13;
    bool sorted_ = false;
    TBorderStyle borderStyle_ = bsSingle;
};

class TListBox : public TCustomListBox {
    KELVORA_CLASS(TListBox)
public:
    explicit TListBox(TComponent* owner);
};

// A framework window ("TGroupBox") that draws an etched frame with the caption at its top
// and holds other controls; children align inside the frame.
class TCustomGroupBox : public TCustomControl {
    KELVORA_CLASS(TCustomGroupBox)
public:
    explicit TCustomGroupBox(TComponent* owner);
    void Paint(TCanvas& canvas) override;

protected:
    void AdjustClientRect(RECT& rect) override;
};

class TGroupBox : public TCustomGroupBox {
    KELVORA_CLASS(TGroupBox)
public:
    explicit TGroupBox(TComponent* owner);
};

// Text drawn by the parent. AutoSize makes the bounds fit the text; Transparent leaves the
// parent's drawing (background, pictures) visible under the text.
class TCustomLabel : public TGraphicControl {
    KELVORA_CLASS(TCustomLabel)
public:
    explicit TCustomLabel(TComponent* owner);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment v);
    TTextLayout Layout() const { return layout_; }
    void SetLayout(TTextLayout v);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v);
    void Paint(TCanvas& canvas) override;

protected:
    void WndProc(TMessage& message) override;
    void FontChanged() override;
    void AdjustBounds();

private:
    bool autoSize_ = true;
    bool transparent_ = false;
    TAlignment alignment_ = taLeftJustify;
    TTextLayout layout_ = tlTop;
    bool wordWrap_ = false;
};

class TLabel : public TCustomLabel {
    KELVORA_CLASS(TLabel)
public:
    explicit TLabel(TComponent* owner);
};
