#include "framework/ComboBox.h"

#include "framework/Exceptions.h"
#include "framework/Properties.h"

namespace {
constexpr int kItemHeight = 16;  // room per dropped item when the list's height is set
}

// The combo box's items, read from and written to the window.
class TComboBoxStrings : public TStrings {
public:
    explicit TComboBoxStrings(TComboBox* box) : box_(box) {}
    int Count() const override { return static_cast<int>(SendMessageA(box_->Handle(), CB_GETCOUNT, 0, 0)); }
    std::string Get(int index) const override {
        HWND wnd = box_->Handle();
        const LRESULT n = SendMessageA(wnd, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
        if (index < 0 || n == CB_ERR) IndexError(index);
        std::string s(static_cast<size_t>(n) + 1, '\0');
        const LRESULT got = SendMessageA(wnd, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&s[0]));
        s.resize(got == CB_ERR ? 0 : static_cast<size_t>(got));
        return s;
    }
    void Insert(int index, const std::string& s) override {
        if (index < 0 || index > Count()) IndexError(index);
        const LRESULT r = SendMessageA(box_->Handle(), CB_INSERTSTRING, static_cast<WPARAM>(index),
                                       reinterpret_cast<LPARAM>(s.c_str()));
        if (r < 0) throw EOutOfResources("Insufficient memory for the combo box item");
    }
    void Delete(int index) override {
        if (SendMessageA(box_->Handle(), CB_DELETESTRING, static_cast<WPARAM>(index), 0) == CB_ERR) IndexError(index);
    }
    void Clear() override { SendMessageA(box_->Handle(), CB_RESETCONTENT, 0, 0); }

private:
    TComboBox* box_;
};

const TClassInfo& TComboBox::StaticClass() {
    static const TClassInfo info(
        "TComboBox", &TWinControl::StaticClass(),
        {props::Enumeration<TComboBox, TComboBoxStyle>("Style", {"csDropDown", "csDropDownList"}, &TComboBox::Style,
                                                       &TComboBox::SetStyle),
         props::Ordinal<TComboBox, int>("DropDownCount", &TComboBox::DropDownCount, &TComboBox::SetDropDownCount),
         props::Object<TComboBox, TStrings>("Items", &TComboBox::ItemsObject, nullptr)});
    return info;
}

TComboBox::TComboBox(TComponent* owner) : TWinControl(owner), items_(std::make_unique<TComboBoxStrings>(this)) {
    SetBounds(0, 0, 145, 21);
    SetTabStop(true);
    SetColor(clWindow);
}

TComboBox::~TComboBox() = default;

void TComboBox::SetStyle(TComboBoxStyle v) {
    if (v == style_) return;
    style_ = v;
    RecreateWnd();
}

int TComboBox::ItemIndex() { return static_cast<int>(SendMessageA(Handle(), CB_GETCURSEL, 0, 0)); }

void TComboBox::SetItemIndex(int v) { SendMessageA(Handle(), CB_SETCURSEL, static_cast<WPARAM>(v), 0); }

bool TComboBox::DroppedDown() { return SendMessageA(Handle(), CB_GETDROPPEDSTATE, 0, 0) != 0; }

void TComboBox::SetDroppedDown(bool v) { SendMessageA(Handle(), CB_SHOWDROPDOWN, v ? TRUE : FALSE, 0); }

void TComboBox::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.StandardClass = "COMBOBOX";
    p.Style |= WS_VSCROLL | CBS_AUTOHSCROLL | CBS_HASSTRINGS | (style_ == csDropDownList ? CBS_DROPDOWNLIST : CBS_DROPDOWN);
    // The height a combo is made with, past its own, is the height of its dropped list;
    // the window then takes the height of its edit part.
    p.Height += dropDownCount_ * kItemHeight + 2;
}

void TComboBox::CreateHandleDone() {
    if (savedItems_) {
        std::unique_ptr<TStringList> saved = std::move(savedItems_);
        for (int i = 0; i < saved->Count(); ++i) {
            const std::string item = saved->Get(i);
            SendMessageA(HandleIfAllocated(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
        }
        SendMessageA(HandleIfAllocated(), CB_SETCURSEL, static_cast<WPARAM>(savedIndex_), 0);
    }
}

void TComboBox::DestroyWnd() {
    // The items live in the window; keep them for the next window.
    auto saved = std::make_unique<TStringList>();
    const HWND wnd = HandleIfAllocated();
    const int n = static_cast<int>(SendMessageA(wnd, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < n; ++i) saved->Add(items_->Get(i));
    savedIndex_ = static_cast<int>(SendMessageA(wnd, CB_GETCURSEL, 0, 0));
    savedItems_ = std::move(saved);
    TWinControl::DestroyWnd();
}
