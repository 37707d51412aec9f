#include "skin/controls/SkinEdit.h"

#include <algorithm>
#include <cwctype>
#include <string>

#include "framework/Graphics.h"
#include "framework/Handles.h"
#include "framework/PrivateMessages.h"
#include "skin/controls/EditPainter.h"
#include "skin/controls/SkinUpDown.h"
#include "skin/data/SkinData.h"
#include "skin/form/SkinForm.h"

namespace {

constexpr LPARAM kPrintCookie = 0x41A2;
constexpr TColour kBtnShadow = SystemColour(COLOR_BTNSHADOW);

// Up-down windows as spin edits make them: the common control or a class named after it.
bool IsUpDownClass(HWND window) {
    wchar_t buffer[128] = {};
    GetClassNameW(window, buffer, 128);
    std::wstring name(buffer);
    std::transform(name.begin(), name.end(), name.begin(), [](wchar_t c) { return static_cast<wchar_t>(towlower(c)); });
    return name == L"msctls_updown32" || name.find(L"spin") != std::wstring::npos ||
           name.find(L"updown") != std::wstring::npos;
}

}  // namespace

void DrawFieldFrame(HDC dc, const RECT& rect, int whiteLines) {
    const TEditFrame frame = EditFrameRings(TRect{rect.left, rect.top, rect.right, rect.bottom}, whiteLines);
    // A DC handed in with the paint may come back from the field's own painting clipped to
    // its text area: the frame lies outside that.
    SaveDcScope saved(dc);
    SelectClipRgn(dc, nullptr);
    BrushHandle shadow(CreateSolidBrush(ColourToRGB(kBtnShadow)));
    HBRUSH white = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    for (int i = 0; i < frame.count; ++i) {
        const TRect& r = frame.rings[i].rect;
        const RECT ring{r.left, r.top, r.right, r.bottom};
        FrameRect(dc, &ring, frame.rings[i].shadow ? shadow.get() : white);
    }
}

const TClassInfo& TSkinEdit::StaticClass() {
    static const TClassInfo info("TSkinEdit", &TSkinControl::StaticClass());
    return info;
}

TSkinEdit::TSkinEdit(TComponent* owner) : TSkinControl(owner) {}

TSkinEdit::~TSkinEdit() = default;

void TSkinEdit::Detach() {
    TSkinControl::Detach();
    if (TSkinUpDown* upDown = upDown_.Get()) upDown->Detach();
}

void TSkinEdit::AfterMessage(TMessage& m) {
    switch (m.Msg) {
    case WM_PARENTNOTIFY:
        // A child came or went: the up-down is looked for again at the next paint.
        if (LOWORD(m.WParam) == WM_CREATE || LOWORD(m.WParam) == WM_DESTROY) upDownSought_ = false;
        break;
    case WM_NCPAINT:
        // The system draws the 3-D border again here: the frame goes back over it.
        PaintWindow(nullptr);
        break;
    case WM_PRINTCLIENT:
        PrintFrame(reinterpret_cast<HDC>(m.WParam));
        break;
    case SKINMSG_PRINTCONTROL:
        if (m.LParam == kPrintCookie && m.WParam) PrintControl(m);
        break;
    default:
        TSkinControl::AfterMessage(m);
        break;
    }
}

void TSkinEdit::PrintControl(TMessage& m) {
    TMessage paint{WM_PAINT, m.WParam, 0, 0};
    CallOldProc(paint);
    m.Result = kPrintCookie;
}

void TSkinEdit::PrintFrame(HDC dc) {
    RECT window, client;
    if (!dc || !GetWindowRect(Handle(), &window) || !GetClientRect(Handle(), &client)) return;
    const RECT r{0, 0, window.right - window.left, window.bottom - window.top};
    if (!PrintFrameWanted(client.right, client.bottom, r.right, r.bottom)) return;
    const RECT inner{1, 1, r.right - 1, r.bottom - 1};
    FrameRect(dc, &inner, static_cast<HBRUSH>(GetCurrentObject(dc, OBJ_BRUSH)));
    BrushHandle shadow(CreateSolidBrush(ColourToRGB(kBtnShadow)));
    FrameRect(dc, &r, shadow.get());
}

void TSkinEdit::FindUpDown() {
    HWND edit = Handle();
    if (!edit) return;
    upDownSought_ = true;
    HWND child = GetWindow(edit, GW_CHILD);
    while (child && !IsUpDownClass(child)) child = GetWindow(child, GW_HWNDNEXT);
    if (!child) return;
    if (SendMessageW(child, SKINMSG_QUERY, 0, 0) == 1) {
        // Skinned already (a framework up-down classified on its own): it only learns
        // that it lives inside this edit.
        TSkinForm* form = FormSkinner();
        if (auto* existing = dynamic_cast<TSkinUpDown*>(form ? form->FindSkinner(child) : nullptr)) {
            existing->Embedded = 1;
            upDown_ = TComponentRef<TSkinUpDown>(existing);
        }
        return;
    }
    TComponent* owner = Owner();
    if (!owner) return;
    auto* upDown = MakeComponent<TSkinUpDown>(owner);
    upDown->Embedded = 1;
    upDown_ = TComponentRef<TSkinUpDown>(upDown);
    upDown->AttachWindow(child, SkinData(), FormSkinner(), Canvas);
}

void TSkinEdit::SeekUpDown() {
    TSkinData* data = SkinData();
    if (data && SkinHas(data->SkinControls, xcSpin) && !upDown_ && !upDownSought_) FindUpDown();
}

bool TSkinEdit::HasBorder() const {
    RECT window, client;
    if (!GetWindowRect(Handle(), &window) || !GetClientRect(Handle(), &client)) return false;
    return EditHasBorder(client.right, client.bottom, window.right - window.left, window.bottom - window.top);
}

void TSkinEdit::PaintWindow(HDC dc) {
    // A borderless edit has no frame to draw: no window DC for it.
    if (!dc && !HasBorder()) {
        SeekUpDown();
        return;
    }
    TSkinControl::PaintWindow(dc);
}

void TSkinEdit::DrawSkin(HDC dc, const RECT& rect) {
    SeekUpDown();
    RECT client;
    if (!dc || !GetClientRect(Handle(), &client)) return;
    if (!EditHasBorder(client.right, client.bottom, rect.right - rect.left, rect.bottom - rect.top)) return;
    DrawFieldFrame(dc, rect, 2);
}
