#include "skin/controls/SkinContainers.h"

#include <algorithm>

#include "framework/Controls.h"
#include "framework/Graphics.h"
#include "framework/Handles.h"
#include "framework/Properties.h"
#include "skin/controls/ContainerPainter.h"
#include "skin/data/GdiAdapters.h"
#include "skin/data/SkinData.h"
#include "skin/form/SkinForm.h"

const TClassInfo& TSkinGroupBox::StaticClass() {
    static const TClassInfo info("TSkinGroupBox", &TSkinControl::StaticClass());
    return info;
}

const TClassInfo& TSkinBox::StaticClass() {
    static const TClassInfo info("TSkinBox", &TSkinControl::StaticClass());
    return info;
}

const TClassInfo& TSkinBoxH::StaticClass() {
    static const TClassInfo info("TSkinBoxH", &TSkinControl::StaticClass());
    return info;
}

const TClassInfo& TSkinSizer::StaticClass() {
    static const TClassInfo info("TSkinSizer", &TSkinControl::StaticClass());
    return info;
}

namespace {

TColour SkinColour(const TSkinData* data, int index, int systemIndex) {
    return data ? data->Skin().Colours[static_cast<size_t>(index)] : SystemColour(systemIndex);
}

}  // namespace

// ---------------------------------------------------------------------------------------
// Group boxes.

TSkinGroupBox::TSkinGroupBox(TComponent* owner) : TSkinControl(owner) {}
TSkinGroupBox::~TSkinGroupBox() = default;

void TSkinGroupBox::Attach(TSkinForm* formSkinner, TSkinData* skinData, bool setColour, TCanvas* canvas) {
    TSkinControl::Attach(formSkinner, skinData, setColour, canvas);
    if (Control()) Mode = 1;
}

bool TSkinGroupBox::BeforeMessage(TMessage& m) {
    if (AnswerEmptyNcPaint(m)) return false;
    if ((m.Msg == WM_PAINT || m.Msg == WM_PRINTCLIENT) && Mode == 1) {
        PaintHandler(m);
        return false;
    }
    return TSkinControl::BeforeMessage(m);
}

std::wstring TSkinGroupBox::CurrentCaption() const {
    std::wstring text;
    if (HWND h = Handle()) {
        const int length = GetWindowTextLengthW(h);
        text.assign(static_cast<size_t>(std::max(length, 0)) + 1, L'\0');
        text.resize(static_cast<size_t>(std::max(GetWindowTextW(h, text.data(), static_cast<int>(text.size())), 0)));
    }
    if (text.empty() && Control()) text = GetWideStrProp(Control(), "Caption");
    return text;
}

void TSkinGroupBox::DrawSkin(HDC dc, const RECT& rect) {
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (!dc || width <= 0 || height <= 0) return;
    if (face_.Width() != width || face_.Height() != height) {
        faceDc_.reset();
        face_ = PixelBuffer(width, height);
    }
    if (!faceDc_) faceDc_ = std::make_unique<BufferDc>(face_);
    if (!*faceDc_) return;
    HDC bdc = faceDc_->get();
    GdiFlush();  // the last paint's text is in the pixels before they are drawn over
    const TSkinData* data = SkinData();
    const uint32_t face = PixelFromColour(ColourToRGB(SkinColour(data, scButtonFace, COLOR_BTNFACE)));
    const uint32_t shadow = PixelFromColour(ColourToRGB(SkinColour(data, scButtonShadow, COLOR_BTNSHADOW)));

    // The control's font in its colour; a bare window's own font in the window text colour.
    TWinControl* control = Control();
    HFONT font = control ? control->Font().Handle() : nullptr;
    TColour textColour = control ? control->Font().Color() : SkinColour(data, scWindowText, COLOR_WINDOWTEXT);
    if (!font && Handle()) font = reinterpret_cast<HFONT>(SendMessageW(Handle(), WM_GETFONT, 0, 0));
    if (!font) font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    SelectScope selectFont(bdc, font);
    SIZE zero{};
    GetTextExtentPoint32A(bdc, "0", 1, &zero);

    const bool rightAligned = (WindowLong(GWL_EXSTYLE) & WS_EX_RIGHT) != 0;
    const std::wstring caption = CurrentCaption();
    const unsigned align = DT_EXPANDTABS | (rightAligned ? DT_RIGHT : DT_LEFT);
    RECT measured{0, 0, width, height};
    if (!caption.empty()) DrawCaption(bdc, caption, measured, align | DT_CALCRECT);
    else measured = RECT{};
    const TGroupBoxLayout layout = LayoutGroupBox(width, height, zero.cy, measured.right - measured.left,
                                                  measured.bottom - measured.top, rightAligned);

    if (Mode == 1) {
        face_.Fill(face);
    } else {
        // Over the window's own painting: its etched frame (two pixels wide) goes first.
        BitBlt(bdc, 0, 0, width, height, dc, 0, 0, SRCCOPY);
        GdiFlush();
        const int y = zero.cy / 2 - 1;
        for (int inset = 0; inset < 2; ++inset)
            PaintFrameOutline(face_, TRect{inset, y + inset, width - inset, height - inset}, face);
    }
    PaintGroupBoxFrame(face_, layout, shadow, face);
    if (!caption.empty()) {
        RECT textRect = ToRECT(layout.caption);
        SetBkMode(bdc, TRANSPARENT);
        SetTextColor(bdc, ColourToRGB(textColour));
        DrawCaption(bdc, caption, textRect, align);
    }
    if (Mode == 1 && control) control->PaintControls(bdc);
    GdiFlush();
    BitBlt(dc, rect.left, rect.top, width, height, bdc, 0, 0, SRCCOPY);
}

// ---------------------------------------------------------------------------------------
// Panels, forms, tool bars.

TSkinBox::TSkinBox(TComponent* owner) : TSkinControl(owner) {}

void TSkinBox::Attach(TSkinForm* formSkinner, TSkinData* skinData, bool setColour, TCanvas* canvas) {
    if (Attached) return;
    auto* control = dynamic_cast<TWinControl*>(Owner());
    if (!control) return;
    SetSkinData(skinData);
    Canvas = canvas;
    SetControl(control);
    SetHandle(control->Handle());
    SetFormSkinner(formSkinner);
    if (formSkinner) formSkinner->RegisterSkinner(this);
    SetColour = setColour ? 1 : 0;
    if (SetColour) {
        SetParentBackground(true);
        SavedColour = control->Color();
        if (skinData) control->SetColor(skinData->Skin().ButtonFace());
    }
    Attached = 1;
    State = skAttached;
}

void TSkinBox::Detach() {
    if (!SkinActive) return;
    SkinActive = 0;
    if (State != skKeepControl && SetColour && Control()) {
        SetParentBackground(false);
        Control()->SetColor(SavedColour);
    }
    State = skDetached;
}

// ---------------------------------------------------------------------------------------
// Bare container windows.

TSkinBoxH::TSkinBoxH(TComponent* owner) : TSkinControl(owner) {}

bool TSkinBoxH::BeforeMessage(TMessage& m) {
    if (m.Msg == WM_ERASEBKGND) {
        if (HDC dc = reinterpret_cast<HDC>(m.WParam); dc && Handle()) {
            RECT client;
            GetClientRect(Handle(), &client);
            FillSkinColour(dc, client);
        }
        m.Result = 0;
        return false;
    }
    return TSkinControl::BeforeMessage(m);
}

void TSkinBoxH::AfterMessage(TMessage& m) {
    if (m.Msg == WM_CTLCOLORSTATIC) {
        const TSkinData* data = SkinData();
        if (data && data->Skin().BackgroundBrush)
            m.Result = reinterpret_cast<LRESULT>(data->Skin().BackgroundBrush->NativeHandle());
        return;
    }
    TSkinControl::AfterMessage(m);
}

// ---------------------------------------------------------------------------------------
// Size grips.

TSkinSizer::TSkinSizer(TComponent* owner) : TSkinControl(owner) {}

void TSkinSizer::DrawSkin(HDC dc, const RECT& rect) { FillSkinColour(dc, rect); }
