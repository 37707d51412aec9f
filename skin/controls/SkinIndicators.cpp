#include "skin/controls/SkinIndicators.h"

#include <commctrl.h>

#include <algorithm>
#include <cwchar>
#include <string>
#include <vector>

#include "framework/CodePage.h"
#include "framework/ComCtrls.h"
#include "framework/Graphics.h"
#include "framework/PrivateMessages.h"
#include "skin/controls/GdiText.h"
#include "skin/controls/IndicatorPainter.h"
#include "skin/data/GdiAdapters.h"
#include "skin/data/SkinData.h"

const TClassInfo& TSkinStatusBar::StaticClass() {
    static const TClassInfo info("TSkinStatusBar", &TSkinControl::StaticClass());
    return info;
}

const TClassInfo& TSkinProgress::StaticClass() {
    static const TClassInfo info("TSkinProgress", &TSkinControl::StaticClass());
    return info;
}

const TClassInfo& TSkinTrackBar::StaticClass() {
    static const TClassInfo info("TSkinTrackBar", &TSkinControl::StaticClass());
    return info;
}

namespace {

constexpr TColour kBtnShadow = SystemColour(COLOR_BTNSHADOW);
constexpr TColour kBtnHighlight = SystemColour(COLOR_BTNHIGHLIGHT);

const TDataSkinObject* Present(const std::unique_ptr<TDataSkinObject>& slot) {
    return slot && !slot->Image.Empty() ? slot.get() : nullptr;
}

std::wstring StatusText(HWND bar, int index, int& type) {
    const LRESULT info = SendMessageW(bar, SB_GETTEXTLENGTHW, static_cast<WPARAM>(index), 0);
    type = HIWORD(info);
    std::wstring text(static_cast<size_t>(LOWORD(info)) + 1, L'\0');
    SendMessageW(bar, SB_GETTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(wcsnlen(text.c_str(), text.size()));
    return text;
}

int KindOfType(int type) { return (type & SBT_NOBORDERS) ? pfFlat : (type & SBT_POPOUT) ? pfRaised : pfLowered; }

int KindOfBevel(TStatusPanelBevel bevel) {
    return bevel == pbRaised ? pfRaised : bevel == pbNone ? pfFlat : pfLowered;
}

int AlignOf(TAlignment a) { return a == taRightJustify ? paRight : a == taCenter ? paCentre : paLeft; }

// A bare bar's panel text says its own alignment as the system bar reads it: one leading
// tab centres the text, two put it at the right. The tabs are taken off.
int AlignOfLeadingTabs(std::wstring& text) {
    size_t tabs = 0;
    while (tabs < 2 && tabs < text.size() && text[tabs] == L'\t') ++tabs;
    text.erase(0, tabs);
    return tabs == 2 ? paRight : tabs == 1 ? paCentre : paLeft;
}

// The bar's font in regular style: the control's font or the window's, never bold or
// slanted. The caller owns it.
FontHandle RegularFont(TWinControl* control, HWND window) {
    LOGFONTA lf{};
    if (control) {
        lf = control->Font().LogFont();
    } else {
        HFONT f = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
        if (!f) f = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
        GetObjectA(f, sizeof lf, &lf);
    }
    lf.lfWeight = FW_NORMAL;
    lf.lfItalic = 0;
    lf.lfUnderline = 0;
    lf.lfStrikeOut = 0;
    return FontHandle(CreateFontIndirectA(&lf));
}

}  // namespace

// ---------------------------------------------------------------------------------------

TIndicatorCanvas::TIndicatorCanvas() = default;
TIndicatorCanvas::~TIndicatorCanvas() = default;

PixelBuffer& TIndicatorCanvas::Buffer(int width, int height) {
    if (buffer_.Width() != width || buffer_.Height() != height) {
        dc_.reset();
        buffer_ = PixelBuffer(width, height);
    }
    return buffer_;
}

HDC TIndicatorCanvas::Dc() {
    if (buffer_.Empty()) return nullptr;
    if (!dc_) dc_ = std::make_unique<BufferDc>(buffer_);
    return *dc_ ? dc_->get() : nullptr;
}

// ---------------------------------------------------------------------------------------
// Status bar.

TSkinStatusBar::TSkinStatusBar(TComponent* owner) : TSkinControl(owner) {}

bool TSkinStatusBar::BeforeMessage(TMessage& m) {
    if (AnswerEmptyNcPaint(m)) return false;
    switch (m.Msg) {
    case WM_PAINT:
        PaintHandler(m);
        return false;
    case WM_ERASEBKGND:
        m.Result = 1;
        return false;
    default:
        return TSkinControl::BeforeMessage(m);
    }
}

void TSkinStatusBar::DrawSkin(HDC dc, const RECT& rect) {
    TSkinData* data = SkinData();
    HWND bar = Handle();
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (!dc || !data || !bar || width <= 0 || height <= 0) return;
    const TSkinDefinition& skin = data->Skin();
    const TDataSkinObject* edges = Present(skin.StatusBarEdges);
    auto* control = dynamic_cast<TCustomStatusBar*>(Control());

    // The panels the control's OnDrawPanel handler is called for, with their insides.
    struct TDrawnPanel {
        TStatusPanel* panel;
        RECT inside;
    };
    std::vector<TDrawnPanel> drawn;

    TStatusBarFace face;
    face.faceColour = ColourToRGB(skin.ButtonFace());
    face.shadow = ColourToRGB(kBtnShadow);
    face.highlight = ColourToRGB(kBtnHighlight);
    face.textColour = edges ? ColourToRGB(edges->NormalColour2)
                            : ColourToRGB(control ? control->Font().Color() : skin.ButtonText());
    face.rtl = control ? control->UseRightToLeftReading() : (WindowLong(GWL_EXSTYLE) & WS_EX_RTLREADING) != 0;
    face.sizeGrip = (WindowLong(GWL_STYLE) & SBARS_SIZEGRIP) != 0;
    const int parts = control ? control->Panels().Count()
                              : static_cast<int>(SendMessageW(bar, SB_GETPARTS, 0, 0));
    face.simple = control ? control->SimplePanel() : SendMessageW(bar, SB_ISSIMPLE, 0, 0) != 0;
    if (face.simple || parts <= 0) {
        int type = 0;
        face.simpleText = control ? AnsiToWide(control->SimpleText()) : StatusText(bar, 0, type);
    } else {
        for (int i = 0; i < parts; ++i) {
            RECT r{};
            if (!SendMessageW(bar, SB_GETRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r))) continue;
            TStatusPanelFace p;
            p.rect = ToTRect(r);
            int type = 0;
            p.text = StatusText(bar, i, type);
            p.kind = KindOfType(type);
            p.rtl = face.rtl;
            if (control && i < control->Panels().Count()) {
                TStatusPanel* panel = control->Panels().Items(i);
                p.kind = KindOfBevel(panel->Bevel());
                p.alignment = AlignOf(panel->Alignment());
                if (control->OnDrawPanel) {
                    RECT inside = r;
                    InflateRect(&inside, -2, -2);
                    drawn.push_back({panel, inside});
                }
            } else if (!control) {
                p.alignment = AlignOfLeadingTabs(p.text);
            }
            face.panels.push_back(std::move(p));
        }
    }

    PixelBuffer& target = canvas_.Buffer(width, height);
    HDC bdc = canvas_.Dc();
    if (!bdc) return;
    GdiFlush();
    FontHandle font = RegularFont(control, bar);
    SelectScope selectFont(bdc, font ? font.get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
    TGdiText text(bdc, 0, DT_NOPREFIX);
    PaintStatusBar(target, face, edges, Present(skin.ExtraImages), text);
    GdiFlush();
    BitBlt(dc, rect.left, rect.top, width, height, bdc, 0, 0, SRCCOPY);
    if (!control) return;
    // Over the copied face: the bar's windowless children, then the program's own drawing
    // of each panel. The handler may change the bar (panels, texts): the panels were
    // gathered before, and a panel taken away meanwhile is not called for.
    control->PaintControls(dc);
    if (drawn.empty()) return;
    TCanvas canvas(dc);
    canvas.Font().Assign(control->Font());
    canvas.SetBrushColor(skin.ButtonFace());
    TComponentRef<TCustomStatusBar> alive(control);
    for (const TDrawnPanel& d : drawn) {
        if (!alive.Get() || !control->OnDrawPanel) return;
        const TStatusPanels& panels = control->Panels();
        bool present = false;
        for (int i = 0; i < panels.Count() && !present; ++i) present = panels.Items(i) == d.panel;
        if (!present) continue;
        SaveDcScope saved(dc);
        const TDrawPanelEvent handler = control->OnDrawPanel;
        handler(control, canvas, d.panel, d.inside);
    }
}

// ---------------------------------------------------------------------------------------
// Progress bar.

TSkinProgress::TSkinProgress(TComponent* owner) : TSkinControl(owner) {}

bool TSkinProgress::HasImage() const {
    const TSkinData* data = SkinData();
    return data && data->Skin().Progress && !data->Skin().Progress->Image.Empty();
}

bool TSkinProgress::BeforeMessage(TMessage& m) {
    if (AnswerEmptyNcPaint(m)) return false;
    switch (m.Msg) {
    case WM_PAINT:
        if (!HasImage()) return true;
        PaintHandler(m);
        return false;
    case WM_ERASEBKGND:
        m.Result = 1;
        return false;
    default:
        return TSkinControl::BeforeMessage(m);
    }
}

void TSkinProgress::AfterMessage(TMessage& m) {
    switch (m.Msg) {
    case PBM_SETPOS:
    case PBM_DELTAPOS:
    case PBM_STEPIT:
    case PBM_SETRANGE:
    case PBM_SETRANGE32:
        // The bar invalidates only the part between the old and the new end; the skin's
        // fill is stretched over its whole length, so all of it is painted again.
        if (Handle()) InvalidateRect(Handle(), nullptr, FALSE);
        break;
    default:
        TSkinControl::AfterMessage(m);
        break;
    }
}

void TSkinProgress::DrawSkin(HDC dc, const RECT& rect) {
    HWND bar = Handle();
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (!dc || !bar || !HasImage() || width <= 0 || height <= 0) return;
    const TSkinDefinition& skin = SkinData()->Skin();
    TProgressState state;
    state.position = static_cast<int>(SendMessageW(bar, PBM_GETPOS, 0, 0));
    state.high = static_cast<int>(SendMessageW(bar, PBM_GETRANGE, 0, 0));
    state.low = static_cast<int>(SendMessageW(bar, PBM_GETRANGE, 1, 0));
    state.vertical = (WindowLong(GWL_STYLE) & PBS_VERTICAL) != 0;

    PixelBuffer& target = canvas_.Buffer(width, height);
    HDC bdc = canvas_.Dc();
    if (!bdc) return;
    GdiFlush();
    PaintProgress(target, *skin.Progress, Present(skin.ProgressChunk), state, ColourToRGB(skin.ButtonFace()));
    BitBlt(dc, rect.left, rect.top, width, height, bdc, 0, 0, SRCCOPY);
}

// ---------------------------------------------------------------------------------------
// Track bar.

namespace {

// Paints over rect of dc: what the DC shows there is read into a picture, paint draws on
// it (rect moved to the origin) and the picture goes back in one blit.
template <typename Paint>
void ComposeOver(HDC dc, const RECT& rect, Paint&& paint) {
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (!dc || width <= 0 || height <= 0) return;
    PixelBuffer picture(width, height);
    BufferDc pdc(picture);
    if (!pdc) return;
    BitBlt(pdc.get(), 0, 0, width, height, dc, rect.left, rect.top, SRCCOPY);
    GdiFlush();
    paint(picture, TRect{0, 0, width, height});
    BitBlt(dc, rect.left, rect.top, width, height, pdc.get(), 0, 0, SRCCOPY);
}

}  // namespace

TSkinTrackBar::TSkinTrackBar(TComponent* owner) : TSkinControl(owner) {}

bool TSkinTrackBar::Vertical() const { return (WindowLong(GWL_STYLE) & TBS_VERT) != 0; }

bool TSkinTrackBar::BeforeMessage(TMessage& m) {
    switch (m.Msg) {
    case WM_NOTIFY:
    case CN_NOTIFY: {
        // The skin announce shares CN_NOTIFY's number; it carries no notification.
        if (IsSkinAnnounce(m.Msg, m.LParam) || !m.LParam) return TSkinControl::BeforeMessage(m);
        auto* header = reinterpret_cast<NMHDR*>(m.LParam);
        if (header->hwndFrom != Handle() || header->code != static_cast<UINT>(NM_CUSTOMDRAW))
            return TSkinControl::BeforeMessage(m);
        m.Result = CustomDraw(*reinterpret_cast<NMCUSTOMDRAW*>(m.LParam));
        return false;
    }
    default:
        return TSkinControl::BeforeMessage(m);
    }
}

LRESULT TSkinTrackBar::CustomDraw(NMCUSTOMDRAW& draw) {
    switch (draw.dwDrawStage) {
    case CDDS_PREPAINT:
        return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
        switch (draw.dwItemSpec) {
        case TBCD_THUMB:
            DrawThumb(draw.hdc);
            return CDRF_SKIPDEFAULT;
        case TBCD_CHANNEL:
            DrawChannel(draw.hdc);
            return CDRF_SKIPDEFAULT;
        default:
            return CDRF_DODEFAULT;
        }
    default:
        return CDRF_DODEFAULT;
    }
}

void TSkinTrackBar::DrawThumb(HDC dc) {
    TSkinData* data = SkinData();
    if (!data || !Handle()) return;
    RECT r{};
    SendMessageW(Handle(), TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&r));
    const TSkinDefinition& skin = data->Skin();
    const TDataSkinObject* thumb = Present(Vertical() ? skin.TrackbarThumbVert : skin.TrackbarThumbHorz);
    const uint32_t shadow = ColourToRGB(kBtnShadow), face = ColourToRGB(skin.ButtonFace());
    ComposeOver(dc, r, [&](PixelBuffer& picture, const TRect& at) { PaintTrackThumb(picture, at, thumb, shadow, face); });
}

void TSkinTrackBar::DrawChannel(HDC dc) {
    TSkinData* data = SkinData();
    if (!data || !Handle()) return;
    const bool vertical = Vertical();
    const TDataSkinObject* track = Present(vertical ? data->Skin().TrackVert : data->Skin().Track);
    if (!track) return;
    RECT r{};
    SendMessageW(Handle(), TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&r));
    // Some versions of the control report a vertical bar's channel lying down.
    if (vertical && r.right - r.left > r.bottom - r.top) r = RECT{r.top, r.left, r.bottom, r.right};
    ComposeOver(dc, r, [&](PixelBuffer& picture, const TRect& at) { PaintTrackChannel(picture, at, *track, vertical); });
}

void TSkinTrackBar::SkinChanged() {
    TSkinControl::SkinChanged();
    if (Handle()) InvalidateRect(Handle(), nullptr, TRUE);
}
