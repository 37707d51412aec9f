// Container skinners on real windows: a group box's whole face (the rounded outline as
// GDI draws it, the caption's box, its labels), a panel's colours taken and given back,
// and a bare dialog-like window erased in the skin's face colour.
#include "skin/controls/SkinContainers.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "framework/ExtCtrls.h"
#include "framework/Graphics.h"
#include "framework/StdCtrls.h"
#include "skin/controls/ContainerPainter.h"
#include "tests/win32/SkinnedTestForm.h"

namespace {

bool SameRgb(uint32_t a, uint32_t b) { return (a & 0xFFFFFF) == (b & 0xFFFFFF); }

uint32_t Pixel(TColour colour) { return PixelFromColour(ColourToRGB(colour)); }

}  // namespace

TEST(SkinContainers, GroupBoxDrawsGdisRoundedOutlineItsCaptionBoxAndItsLabels) {
    constexpr int kW = 200, kH = 100;
    TSkinnedTestForm t(300, 200);
    auto* group = t.Add<TGroupBox>(nullptr, 10, 10, kW, kH);
    group->SetCaption("Options");
    auto* label = t.Add<TLabel>(group, 20, 40, 60, 14);
    label->SetCaption("MMMMMM");
    label->Font().SetColor(clBlack);
    t.Skin();
    auto* skinner = dynamic_cast<TSkinGroupBox*>(t.SkinnerOf(group->Handle()));
    ASSERT_NE(skinner, nullptr);
    EXPECT_EQ(skinner->Mode, 1);
    EXPECT_EQ(SendMessageW(group->Handle(), SKINMSG_QUERY, 0, 0), 1);

    const uint32_t face = Pixel(t.data->Skin().ButtonFace());
    const uint32_t shadow = Pixel(t.data->Skin().Colours[scButtonShadow]);
    // The same picture from GDI itself: RoundRect in a one-pixel shadow pen over the face.
    PixelBuffer gdi(kW, kH);
    gdi.Fill(face);
    int lineHeight = 0, captionWidth = 0, captionHeight = 0;
    {
        BufferDc dc(gdi);
        SelectScope font(dc.get(), group->Font().Handle());
        SIZE zero{};
        GetTextExtentPoint32A(dc.get(), "0", 1, &zero);
        lineHeight = zero.cy;
        RECT r{};
        DrawTextW(dc.get(), L"Options", -1, &r, DT_CALCRECT | DT_EXPANDTABS);
        captionWidth = r.right, captionHeight = r.bottom;
        PenHandle pen(CreatePen(PS_SOLID, 1, ColourToRGB(t.data->Skin().Colours[scButtonShadow])));
        SelectScope p(dc.get(), pen.get()), b(dc.get(), GetStockObject(NULL_BRUSH));
        RoundRect(dc.get(), 1, lineHeight / 2 - 1, kW - 1, kH - 1, 5, 5);
        dc.Pixels();
    }
    const TGroupBoxLayout layout = LayoutGroupBox(kW, kH, lineHeight, captionWidth, captionHeight, false);
    ASSERT_EQ(layout.caption.left, 8);

    const PixelBuffer shot = PaintedPicture(group->Handle(), kW, kH);
    const TRect labelArea{20, 40, 80, 54};
    int outline = 0, text = 0, labelInk = 0;
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) {
            const bool inCaption = x >= layout.caption.left && x < layout.caption.right && y < layout.caption.bottom;
            const bool inLabel = x >= labelArea.left && x < labelArea.right && y >= labelArea.top && y < labelArea.bottom;
            if (inCaption) {
                text += !SameRgb(shot.Pixel(x, y), face);
                continue;
            }
            if (inLabel) {
                labelInk += !SameRgb(shot.Pixel(x, y), face);
                continue;
            }
            ASSERT_TRUE(SameRgb(shot.Pixel(x, y), gdi.Pixel(x, y))) << "at " << x << "," << y;
            outline += SameRgb(shot.Pixel(x, y), shadow);
        }
    EXPECT_GT(outline, 400);  // the whole outline less the caption's box
    EXPECT_GT(text, 10) << "no caption drawn";
    EXPECT_GT(labelInk, 10) << "the group box's label is not painted";
}

TEST(SkinContainers, PanelTakesTheFaceColourAndGetsItsOwnBackOnDetachUnlessKept) {
    TSkinnedTestForm t;
    auto* kept = t.Add<TPanel>(nullptr, 10, 10, 100, 50);
    auto* given = t.Add<TPanel>(nullptr, 10, 70, 100, 50);
    for (TPanel* p : {kept, given}) {
        p->SetColor(clRed);
        p->SetParentBackground(true);
    }
    t.Skin();
    const TColour face = t.data->Skin().ButtonFace();
    TSkinBox* skinners[2] = {};
    for (int i = 0; i < 2; ++i) {
        TPanel* p = i ? given : kept;
        skinners[i] = dynamic_cast<TSkinBox*>(t.SkinnerOf(p->Handle()));
        ASSERT_NE(skinners[i], nullptr);
        EXPECT_EQ(p->Color(), face);
        EXPECT_FALSE(p->ParentBackground());
    }
    skinners[0]->State = skKeepControl;
    skinners[0]->Detach();
    skinners[1]->Detach();
    EXPECT_EQ(kept->Color(), face);
    EXPECT_FALSE(kept->ParentBackground());
    EXPECT_EQ(given->Color(), static_cast<TColour>(clRed));
    EXPECT_TRUE(given->ParentBackground());
    EXPECT_EQ(skinners[1]->State, skDetached);
    skinners[1]->Detach();  // a second detach changes nothing
    EXPECT_EQ(given->Color(), static_cast<TColour>(clRed));
}

TEST(SkinContainers, BareDialogWindowIsErasedInTheFaceColourAndColoursItsStatics) {
    TSkinnedTestForm t;
    t.Skin();
    HWND dialog = CreateWindowExA(0, "#32770", "", WS_CHILD | WS_VISIBLE, 10, 10, 120, 80, t.form->Handle(), nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(dialog, nullptr);
    HWND label = CreateWindowExA(0, "STATIC", "text", WS_CHILD | WS_VISIBLE, 5, 5, 60, 16, dialog, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    ClassifyWindow(*t.skinner, dialog);
    ASSERT_NE(dynamic_cast<TSkinBoxH*>(t.SkinnerOf(dialog)), nullptr);

    PixelBuffer picture(120, 80);
    picture.Fill(0xFF000000u);
    {
        BufferDc dc(picture);
        SendMessageW(dialog, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.get()), 0);
        dc.Pixels();
    }
    const uint32_t face = Pixel(t.data->Skin().ButtonFace());
    for (auto [x, y] : {std::pair{0, 0}, std::pair{119, 79}, std::pair{60, 40}})
        EXPECT_TRUE(SameRgb(picture.Pixel(x, y), face)) << x << "," << y;

    WindowDc dc(label);
    const LRESULT brush = SendMessageW(dialog, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.get()),
                                       reinterpret_cast<LPARAM>(label));
    EXPECT_EQ(reinterpret_cast<void*>(brush), t.data->Skin().BackgroundBrush->NativeHandle());
    DestroyWindow(dialog);
    PumpMessages();
}
