// Buttons, edits, memos and list boxes over the system's BUTTON, EDIT and LISTBOX classes.
#include "framework/StdCtrls.h"

#include "framework/Exceptions.h"

#include <climits>

namespace {
const std::initializer_list<const char*> kBorderStyles = {"bsNone", "bsSingle"};
}

// ---- TButtonControl / TButton ----

const TClassInfo& TButtonControl::StaticClass() {
    static const TClassInfo info("TButtonControl", &TWinControl::StaticClass());
    return info;
}

TButtonControl::TButtonControl(TComponent* owner) : TWinControl(owner) {
    SetTabStop(true);
    SetColor(clBtnFace);
}

const TClassInfo& TButton::StaticClass() {
    static const TClassInfo info(
        "TButton", &TButtonControl::StaticClass(),
        {props::Boolean<TButton>("Default", &TButton::Default, &TButton::SetDefault),
         props::Boolean<TButton>("Cancel", &TButton::Cancel, &TButton::SetCancel),
         props::Ordinal<TButton, int>("ModalResult", &TButton::ModalResult, &TButton::SetModalResult)});
    return info;
}

TButton::TButton(TComponent* owner) : TButtonControl(owner) { SetBounds(0, 0, 75, 25); }

void TButton::SetDefault(bool v) {
    if (v == default_) return;
    default_ = v;
    if (HandleAllocated())
        Perform(BM_SETSTYLE, v ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, 1);
}

void TButton::CreateParams(TCreateParams& p) {
    TButtonControl::CreateParams(p);
    p.StandardClass = "BUTTON";
    p.Style |= default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::WndProc(TMessage& m) {
    if (m.Msg == CN_COMMAND) {
        if (HIWORD(m.WParam) == BN_CLICKED) Click();
        m.Result = 0;
        return;
    }
    TButtonControl::WndProc(m);
}

// ---- TCustomEdit / TEdit ----

const TClassInfo& TCustomEdit::StaticClass() {
    static const TClassInfo info(
        "TCustomEdit", &TWinControl::StaticClass(),
        {props::Enumeration<TCustomEdit, TBorderStyle>("BorderStyle", kBorderStyles, &TCustomEdit::BorderStyle,
                                                       &TCustomEdit::SetBorderStyle),
         props::Boolean<TCustomEdit>("ReadOnly", &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly),
         props::Ordinal<TCustomEdit, int>("MaxLength", &TCustomEdit::MaxLength, &TCustomEdit::SetMaxLength),
         props::String<TCustomEdit>("Text", &TCustomEdit::Text, &TCustomEdit::SetText)});
    return info;
}

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 121, 21);
    SetTabStop(true);
    SetColor(clWindow);
}

void TCustomEdit::SetBorderStyle(TBorderStyle v) {
    if (v == borderStyle_) return;
    borderStyle_ = v;
    RecreateWnd();
}

void TCustomEdit::SetReadOnly(bool v) {
    if (v == readOnly_) return;
    readOnly_ = v;
    if (HandleAllocated()) Perform(EM_SETREADONLY, v ? 1 : 0, 0);
}

void TCustomEdit::SetMaxLength(int v) {
    maxLength_ = v;
    if (HandleAllocated()) Perform(EM_LIMITTEXT, static_cast<uintptr_t>(v), 0);
}

void TCustomEdit::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.StandardClass = "EDIT";
    p.Style |= ES_AUTOHSCROLL | ES_AUTOVSCROLL;
    if (readOnly_) p.Style |= ES_READONLY;
    if (borderStyle_ == bsSingle) p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::CreateHandleDone() {
    // A new edit window accepts only about 32 K characters of typing, pasting and
    // replacing; 0 lifts that to what memory allows when no maximum length is set.
    Perform(EM_LIMITTEXT, static_cast<uintptr_t>(maxLength_ > 0 ? maxLength_ : 0), 0);
}

int TCustomEdit::SelStart() {
    DWORD start = 0;
    SendMessageA(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    return static_cast<int>(start);
}
void TCustomEdit::SetSelStart(int v) { SendMessageA(Handle(), EM_SETSEL, v, v); }
int TCustomEdit::SelLength() {
    DWORD start = 0, end = 0;
    SendMessageA(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return static_cast<int>(end - start);
}
void TCustomEdit::SetSelLength(int v) {
    const int start = SelStart();
    SendMessageA(Handle(), EM_SETSEL, start, start + v);
}
std::string TCustomEdit::SelText() {
    const int start = SelStart(), length = SelLength();
    const std::wstring all = [&] {
        const int n = GetWindowTextLengthW(Handle());
        std::wstring w(static_cast<size_t>(n) + 1, L'\0');
        w.resize(static_cast<size_t>(GetWindowTextW(Handle(), &w[0], n + 1)));
        return w;
    }();
    if (start < 0 || start > static_cast<int>(all.size())) return std::string();
    const std::wstring part = all.substr(static_cast<size_t>(start), static_cast<size_t>(length));
    if (part.empty()) return std::string();
    const int n = WideCharToMultiByte(CP_ACP, 0, part.data(), static_cast<int>(part.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, part.data(), static_cast<int>(part.size()), &out[0], n, nullptr, nullptr);
    return out;
}
void TCustomEdit::SetSelText(const std::string& s) {
    Handle();
    Perform(EM_REPLACESEL, 0, reinterpret_cast<intptr_t>(s.c_str()));
}
void TCustomEdit::SelectAll() { SendMessageA(Handle(), EM_SETSEL, 0, -1); }
bool TCustomEdit::Modified() { return HandleAllocated() && SendMessageA(Handle(), EM_GETMODIFY, 0, 0) != 0; }
void TCustomEdit::SetModified(bool v) {
    if (HandleAllocated()) SendMessageA(Handle(), EM_SETMODIFY, v ? 1 : 0, 0);
}

void TCustomEdit::Change() {
    if (OnChange) OnChange(this);
}

void TCustomEdit::WndProc(TMessage& m) {
    switch (m.Msg) {
    case CN_COMMAND:
        if (HIWORD(m.WParam) == EN_CHANGE && !Creating()) Change();
        m.Result = 0;
        return;
    case CM_TEXTCHANGED:
        // A multi-line edit sends no EN_CHANGE when its text is set: report the change here.
        if (!HandleAllocated() || (GetWindowLongPtrA(HandleIfAllocated(), GWL_STYLE) & ES_MULTILINE)) Change();
        break;
    default:
        break;
    }
    TWinControl::WndProc(m);
}

const TClassInfo& TEdit::StaticClass() {
    static const TClassInfo info("TEdit", &TCustomEdit::StaticClass());
    return info;
}

TEdit::TEdit(TComponent* owner) : TCustomEdit(owner) {}

// ---- TCustomMemo / TMemo ----

// The memo's lines: the text split at line breaks; an empty last line is not a line.
class TMemoStrings : public TStrings {
public:
    explicit TMemoStrings(TCustomMemo* memo) : memo_(memo) {}
    int Count() const override { return static_cast<int>(SplitTextLines(memo_->Text()).size()); }
    std::string Get(int index) const override {
        const std::vector<std::string> lines = SplitTextLines(memo_->Text());
        if (index < 0 || index >= static_cast<int>(lines.size())) IndexError(index);
        return lines[static_cast<size_t>(index)];
    }
    void Put(int index, const std::string& s) override {
        std::vector<std::string> lines = SplitTextLines(memo_->Text());
        if (index < 0 || index >= static_cast<int>(lines.size())) IndexError(index);
        lines[static_cast<size_t>(index)] = s;
        memo_->SetText(JoinTextLines(lines));
    }
    void Insert(int index, const std::string& s) override {
        const std::string text = memo_->Text();
        std::vector<std::string> lines = SplitTextLines(text);
        if (index < 0 || index > static_cast<int>(lines.size())) IndexError(index);
        if (index == static_cast<int>(lines.size())) {
            // Appending goes through the selection, so the memo scrolls to the new line
            // and reports the change like typing does.
            const bool endsWithBreak = text.empty() || text.back() == '\n' || text.back() == '\r';
            const std::string piece = endsWithBreak ? s + "\r\n" : "\r\n" + s;
            HWND wnd = memo_->Handle();
            SendMessageA(wnd, EM_SETSEL, INT_MAX - 1, INT_MAX - 1);
            memo_->Perform(EM_REPLACESEL, 0, reinterpret_cast<intptr_t>(piece.c_str()));
            return;
        }
        lines.insert(lines.begin() + index, s);
        memo_->SetText(JoinTextLines(lines));
    }
    void Delete(int index) override {
        std::vector<std::string> lines = SplitTextLines(memo_->Text());
        if (index < 0 || index >= static_cast<int>(lines.size())) IndexError(index);
        lines.erase(lines.begin() + index);
        memo_->SetText(JoinTextLines(lines));
    }
    void Clear() override { memo_->SetText(""); }
    std::string Text() const override { return memo_->Text(); }
    void SetText(const std::string& text) override { memo_->SetText(text); }

private:
    TCustomMemo* memo_;
};

const TClassInfo& TCustomMemo::StaticClass() {
    static const TClassInfo info(
        "TCustomMemo", &TCustomEdit::StaticClass(),
        {props::Enumeration<TCustomMemo, TScrollStyle>("ScrollBars", {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"},
                                                       &TCustomMemo::ScrollBars, &TCustomMemo::SetScrollBars),
         props::Boolean<TCustomMemo>("WordWrap", &TCustomMemo::WordWrap, &TCustomMemo::SetWordWrap),
         props::Boolean<TCustomMemo>("WantReturns", &TCustomMemo::WantReturns, &TCustomMemo::SetWantReturns),
         props::Boolean<TCustomMemo>("WantTabs", &TCustomMemo::WantTabs, &TCustomMemo::SetWantTabs),
         props::Object<TCustomMemo, TStrings>("Lines", &TCustomMemo::LinesObject, nullptr)});
    return info;
}

TCustomMemo::TCustomMemo(TComponent* owner) : TCustomEdit(owner), lines_(std::make_unique<TMemoStrings>(this)) {
    SetBounds(0, 0, 185, 89);
}

TCustomMemo::~TCustomMemo() = default;

void TCustomMemo::SetScrollBars(TScrollStyle v) {
    if (v == scrollBars_) return;
    scrollBars_ = v;
    RecreateWnd();
}

void TCustomMemo::SetWordWrap(bool v) {
    if (v == wordWrap_) return;
    wordWrap_ = v;
    RecreateWnd();
}

void TCustomMemo::CreateParams(TCreateParams& p) {
    TCustomEdit::CreateParams(p);
    p.Style |= ES_MULTILINE;
    if (wordWrap_) p.Style &= ~static_cast<DWORD>(ES_AUTOHSCROLL);
    if (scrollBars_ == ssVertical || scrollBars_ == ssBoth) p.Style |= WS_VSCROLL;
    if (scrollBars_ == ssHorizontal || scrollBars_ == ssBoth) p.Style |= WS_HSCROLL;
}

void TCustomMemo::WndProc(TMessage& m) {
    if (m.Msg == WM_GETDLGCODE) {
        TCustomEdit::WndProc(m);
        // Tab moves the focus on unless the memo wants tabs; Return and the arrows stay
        // with the memo (the message loop treats only Tab as a dialog key).
        m.Result &= ~static_cast<intptr_t>(DLGC_WANTALLKEYS | DLGC_WANTTAB);
        m.Result |= DLGC_WANTARROWS | DLGC_WANTCHARS;
        if (wantTabs_) m.Result |= DLGC_WANTTAB;
        return;
    }
    TCustomEdit::WndProc(m);
}

const TClassInfo& TMemo::StaticClass() {
    static const TClassInfo info("TMemo", &TCustomMemo::StaticClass());
    return info;
}

TMemo::TMemo(TComponent* owner) : TCustomMemo(owner) {}

// ---- TCustomListBox / TListBox ----

// The list box's items, read from and written to the window.
class TListBoxStrings : public TStrings {
public:
    explicit TListBoxStrings(TCustomListBox* box) : box_(box) {}
    int Count() const override {
        return static_cast<int>(SendMessageA(box_->Handle(), LB_GETCOUNT, 0, 0));
    }
    std::string Get(int index) const override {
        HWND wnd = box_->Handle();
        const LRESULT n = SendMessageA(wnd, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
        if (index < 0 || n == LB_ERR) IndexError(index);
        std::string s(static_cast<size_t>(n) + 1, '\0');
        const LRESULT got = SendMessageA(wnd, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&s[0]));
        s.resize(got == LB_ERR ? 0 : static_cast<size_t>(got));
        return s;
    }
    void Insert(int index, const std::string& s) override {
        HWND wnd = box_->Handle();
        if (index < 0 || index > Count()) IndexError(index);
        const LRESULT r = box_->Sorted()
                              ? SendMessageA(wnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s.c_str()))
                              : SendMessageA(wnd, LB_INSERTSTRING, static_cast<WPARAM>(index),
                                             reinterpret_cast<LPARAM>(s.c_str()));
        if (r < 0) throw EOutOfResources("Insufficient memory for the list box item");
    }
    void Delete(int index) override {
        if (SendMessageA(box_->Handle(), LB_DELETESTRING, static_cast<WPARAM>(index), 0) == LB_ERR)
            IndexError(index);
    }
    void Clear() override { SendMessageA(box_->Handle(), LB_RESETCONTENT, 0, 0); }

protected:
    void SetUpdateState(bool updating) override {
        SendMessageA(box_->Handle(), WM_SETREDRAW, updating ? 0 : 1, 0);
        if (!updating) InvalidateRect(box_->Handle(), nullptr, TRUE);
    }

private:
    TCustomListBox* box_;
};

const TClassInfo& TCustomListBox::StaticClass() {
    static const TClassInfo info(
        "TCustomListBox", &TWinControl::StaticClass(),
        {props::Ordinal<TCustomListBox, int>("ItemHeight", &TCustomListBox::ItemHeight, &TCustomListBox::SetItemHeight),
         props::Boolean<TCustomListBox>("Sorted", &TCustomListBox::Sorted, &TCustomListBox::SetSorted),
         props::Enumeration<TCustomListBox, TBorderStyle>("BorderStyle", kBorderStyles,
                                                          &TCustomListBox::BorderStyle, &TCustomListBox::SetBorderStyle),
         props::Object<TCustomListBox, TStrings>("Items", &TCustomListBox::ItemsObject, nullptr)});
    return info;
}

TCustomListBox::TCustomListBox(TComponent* owner)
    : TWinControl(owner), items_(std::make_unique<TListBoxStrings>(this)) {
    SetBounds(0, 0, 121, 97);
    SetTabStop(true);
    SetColor(clWindow);
}

TCustomListBox::~TCustomListBox() = default;

void TCustomListBox::SetItemHeight(int v) {
    // A standard list box draws its items in the font's height; the value is kept for
    // owner-drawn lists and for readers of the property.
    if (v > 0) itemHeight_ = v;
}

void TCustomListBox::SetSorted(bool v) {
    if (v == sorted_) return;
    sorted_ = v;
    RecreateWnd();
}

void TCustomListBox::SetBorderStyle(TBorderStyle v) {
    if (v == borderStyle_) return;
    borderStyle_ = v;
    RecreateWnd();
}

int TCustomListBox::ItemIndex() {
    return static_cast<int>(SendMessageA(Handle(), LB_GETCURSEL, 0, 0));
}

void TCustomListBox::SetItemIndex(int v) { SendMessageA(Handle(), LB_SETCURSEL, static_cast<WPARAM>(v), 0); }

void TCustomListBox::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.StandardClass = "LISTBOX";
    p.Style |= WS_VSCROLL | LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT;
    if (sorted_) p.Style |= LBS_SORT;
    if (borderStyle_ == bsSingle) p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomListBox::CreateHandleDone() {
    if (savedItems_) {
        std::unique_ptr<TStringList> saved = std::move(savedItems_);
        for (int i = 0; i < saved->Count(); ++i) {
            const std::string item = saved->Get(i);
            SendMessageA(HandleIfAllocated(), sorted_ ? LB_ADDSTRING : LB_INSERTSTRING,
                         sorted_ ? 0 : static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(item.c_str()));
        }
    }
}

void TCustomListBox::DestroyWnd() {
    // The items live in the window; keep them for the next window.
    auto saved = std::make_unique<TStringList>();
    const int n = static_cast<int>(SendMessageA(HandleIfAllocated(), LB_GETCOUNT, 0, 0));
    for (int i = 0; i < n; ++i) saved->Add(items_->Get(i));
    savedItems_ = std::move(saved);
    TWinControl::DestroyWnd();
}

const TClassInfo& TListBox::StaticClass() {
    static const TClassInfo info("TListBox", &TCustomListBox::StaticClass());
    return info;
}

TListBox::TListBox(TComponent* owner) : TCustomListBox(owner) {}
