// The bitmap routines on device contexts, each against GDI doing the same thing: keyed
// copies, gradients under a clip box, frame drawing, regions, parent images, the image
// list's masked strip, fonts from a LOGFONT and the hint window. Painting must leave no
// GDI object behind.
#define OEMRESOURCE
#include <windows.h>

#include <gtest/gtest.h>

#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
#include "framework/Graphics.h"
#include "framework/HintWindow.h"
#include "framework/ImageList.h"
#include "framework/StdCtrls.h"
#include "skin/data/GdiAdapters.h"
#include "skin/data/ImgUtil.h"

namespace {

// Pixels whose colour depends on position, with a few magenta ones and near-magenta ones.
PixelBuffer Pattern(int w, int h, int seed) {
    PixelBuffer b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            uint32_t c = static_cast<uint32_t>((x * 37 + y * 11 + seed) & 0xFF) |
                         static_cast<uint32_t>((x * 5 + y * 53 + seed) & 0xFF) << 8 | 0x400000u;
            if ((x + y + seed) % 5 == 0) c = kMagenta;
            if ((x * y + seed) % 7 == 3) c = 0xFE00FF;  // one step off the key
            b.SetPixel(x, y, PixelFromColour(c));
        }
    return b;
}

// Where two pictures differ in colour (GDI leaves the alpha byte alone or zero).
int Differences(const PixelBuffer& a, const PixelBuffer& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height()) return -1;
    int n = 0;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x) n += (a.Pixel(x, y) & 0xFFFFFF) != (b.Pixel(x, y) & 0xFFFFFF);
    return n;
}

// Runs draw on a fresh copy of background through a memory DC over it.
template <typename Draw>
PixelBuffer DrawnWithDc(const PixelBuffer& background, Draw draw) {
    PixelBuffer out = background.Clone();
    BufferDc dc(out);
    draw(dc.get());
    dc.Pixels();
    return out;
}

}  // namespace

TEST(SkinGdiColours, SystemColoursAreTheSystemsInEveryRoutine) {
    for (int index : {COLOR_BTNFACE, COLOR_HIGHLIGHT, COLOR_WINDOWTEXT, COLOR_INFOBK}) {
        const uint32_t system = GetSysColor(index);
        EXPECT_EQ(ColourToRGB(SystemColour(index)), system) << index;
        EXPECT_EQ(ColorToRGB(SystemColour(index)), system) << index;  // the framework's spelling
        EXPECT_EQ(BlendColours(SystemColour(index), 0x000000, 0), 0x000000u);
        EXPECT_EQ(BlendColours(0x000000, SystemColour(index), 0), system);
    }
    // Two bands from highlight to button face: the ends are exactly the system's colours,
    // in a pixel buffer and through a DC alike.
    const uint32_t top = GetSysColor(COLOR_HIGHLIGHT), bottom = GetSysColor(COLOR_BTNFACE);
    PixelBuffer portable(3, 2);
    GradientFill(portable, {0, 0, 3, 2}, SystemColour(COLOR_HIGHLIGHT), true, SystemColour(COLOR_BTNFACE));
    const PixelBuffer viaDc = DrawnWithDc(PixelBuffer(3, 2), [](HDC dc) {
        GradientFill(dc, RECT{0, 0, 3, 2}, SystemColour(COLOR_HIGHLIGHT), true, SystemColour(COLOR_BTNFACE));
    });
    for (const PixelBuffer* b : {static_cast<const PixelBuffer*>(&portable), &viaDc}) {
        EXPECT_EQ(ColourFromPixel(b->Pixel(2, 0)), top);
        EXPECT_EQ(ColourFromPixel(b->Pixel(0, 1)), bottom);
    }
}

TEST(SkinGdiAdapters, TransparentCopyKeepsExactlyTheKeyPixelsOfTheDestination) {
    const PixelBuffer background = Pattern(40, 30, 1);
    const PixelBuffer picture = Pattern(25, 20, 4);
    for (const TRect r : {TRect{3, 2, 28, 22}, TRect{10, 5, 18, 12}, TRect{30, 20, 70, 60}, TRect{-5, -4, 15, 10}}) {
        PixelBuffer expected = background.Clone();
        TransparentCopy(expected, r, picture, kMagenta);
        const PixelBuffer viaDc = DrawnWithDc(background, [&](HDC dc) {
            TransparentCopy(dc, ToRECT(r), picture, kMagenta);
        });
        EXPECT_EQ(Differences(viaDc, expected), 0) << r.left << "," << r.top;
    }
    // Key pixels show the background, near-key ones are copied.
    const PixelBuffer viaDc = DrawnWithDc(background, [&](HDC dc) {
        TransparentCopy(dc, RECT{0, 0, 25, 20}, picture, kMagenta);
    });
    int keys = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 25; ++x) {
            const bool key = (picture.Pixel(x, y) & 0xFFFFFF) == (PixelFromColour(kMagenta) & 0xFFFFFF);
            keys += key;
            EXPECT_EQ(viaDc.Pixel(x, y) & 0xFFFFFF, (key ? background : picture).Pixel(x, y) & 0xFFFFFF);
        }
    EXPECT_GT(keys, 50);
    // An empty or inverted rectangle draws nothing.
    EXPECT_EQ(Differences(DrawnWithDc(background, [&](HDC dc) { TransparentCopy(dc, RECT{9, 9, 4, 20}, picture, kMagenta); }),
                          background),
              0);
}

TEST(SkinGdiAdapters, GradientBandsStayInsideTheClipBox) {
    const PixelBuffer background = Pattern(60, 40, 2);
    for (bool vertical : {true, false}) {
        const TRect rect{5, 3, 55, 37}, clip{12, 9, 40, 30};
        PixelBuffer expected = background.Clone();
        GradientFill(expected, rect, 0x2040F0, vertical, SystemColour(COLOR_BTNFACE), clip);
        const PixelBuffer viaDc = DrawnWithDc(background, [&](HDC dc) {
            IntersectClipRect(dc, clip.left, clip.top, clip.right, clip.bottom);
            GradientFill(dc, ToRECT(rect), 0x2040F0, vertical, SystemColour(COLOR_BTNFACE));
        });
        EXPECT_EQ(Differences(viaDc, expected), 0) << vertical;
    }
    // A rectangle outside the clip box: nothing at all.
    const PixelBuffer none = DrawnWithDc(background, [](HDC dc) {
        IntersectClipRect(dc, 0, 0, 10, 10);
        GradientFill(dc, RECT{20, 20, 50, 30}, 0x000000, true, 0xFFFFFF);
    });
    EXPECT_EQ(Differences(none, background), 0);
}

TEST(SkinGdiAdapters, FrameRoutinesDrawIntoADcWhatTheyDrawIntoABuffer) {
    const PixelBuffer background = Pattern(90, 60, 3);
    const PixelBuffer image = Pattern(48, 14, 5);  // three 16 x 14 frames
    const TMargins m{4, 3, 5, 2};
    const TRect r{6, 4, 80, 50}, narrow{20, 10, 26, 30};
    auto check = [&](const char* what, auto portable, auto viaDc) {
        PixelBuffer expected = background.Clone();
        portable(expected);
        EXPECT_EQ(Differences(DrawnWithDc(background, viaDc), expected), 0) << what;
    };
    for (bool transparent : {false, true}) {
        check("nine-slice", [&](PixelBuffer& b) { DrawFrameNineSlice(b, r, image, false, true, transparent, 3, 2, m); },
              [&](HDC dc) { DrawFrameNineSlice(dc, ToRECT(r), image, false, true, transparent, 3, 2, m); });
        check("stretched", [&](PixelBuffer& b) { DrawFrameStretched(b, narrow, image, transparent, 3, 3); },
              [&](HDC dc) { DrawFrameStretched(dc, ToRECT(narrow), image, transparent, 3, 3); });
        check("centred", [&](PixelBuffer& b) { DrawFrameCentred(b, r, image, transparent, 3, 1); },
              [&](HDC dc) { DrawFrameCentred(dc, ToRECT(r), image, transparent, 3, 1); });
        check("three parts", [&](PixelBuffer& b) { DrawThreePart(b, r, image, false, transparent, 3, 2, m); },
              [&](HDC dc) { DrawThreePart(dc, ToRECT(r), image, false, transparent, 3, 2, m); });
    }
    check("tiles", [&](PixelBuffer& b) { TileDraw(b, r, image, TRect{2, 1, 13, 9}); },
          [&](HDC dc) { TileDraw(dc, ToRECT(r), image, RECT{2, 1, 13, 9}); });

    // Three parts stretched: the same as three StretchBlt calls in COLORONCOLOR mode.
    const PixelBuffer ours = DrawnWithDc(background, [&](HDC dc) { StretchThreePart(dc, ToRECT(r), image, false, 3, 2, m); });
    const PixelBuffer gdi = DrawnWithDc(background, [&](HDC dc) {
        BufferDc src(const_cast<PixelBuffer&>(image));
        SetStretchBltMode(dc, COLORONCOLOR);
        const int sx = 16, W = r.Width(), H = r.Height();
        StretchBlt(dc, r.left, r.top, m.left, H, src.get(), sx, 0, m.left, 14, SRCCOPY);
        StretchBlt(dc, r.left + m.left, r.top, W - m.left - m.right, H, src.get(), sx + m.left, 0, 16 - m.left - m.right,
                   14, SRCCOPY);
        StretchBlt(dc, r.right - m.right, r.top, m.right, H, src.get(), sx + 16 - m.right, 0, m.right, 14, SRCCOPY);
    });
    EXPECT_EQ(Differences(ours, gdi), 0);
    const PixelBuffer squeezed = DrawnWithDc(background, [&](HDC dc) { StretchThreePart(dc, ToRECT(narrow), image, false, 3, 2, m); });
    const PixelBuffer squeezedByGdi = DrawnWithDc(background, [&](HDC dc) {
        BufferDc src(const_cast<PixelBuffer&>(image));
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, narrow.left, narrow.top, narrow.Width(), narrow.Height(), src.get(), 16, 0, 16, 14, SRCCOPY);
    });
    EXPECT_EQ(Differences(squeezed, squeezedByGdi), 0);
}

TEST(SkinGdiAdapters, BitmapRegionIsTheUnionOfTheOutsidePixelsInBatches) {
    // A checkerboard of single pixels: 2400 runs, so more than one batch of 2000.
    PixelBuffer board(80, 60);
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 80; ++x)
            board.SetPixel(x, y, PixelFromColour((x + y) % 2 ? kMagenta : (x % 3 ? 0xFE00FF : 0x102030)));
    const long before = GdiObjectsAlive();
    {
        RegionHandle region = BitmapRegion(board, 7, -3, 1, 1, 1, kMagenta);
        ASSERT_TRUE(region);
        RegionHandle byGdi(CreateRectRgn(0, 0, 0, 0));
        for (int y = 0; y < 60; ++y)
            for (int x = y % 2; x < 80; x += 2) {
                RegionHandle pixel(CreateRectRgn(x + 7, y - 3, x + 8, y - 2));
                CombineRgn(byGdi.get(), byGdi.get(), pixel.get(), RGN_OR);
            }
        EXPECT_TRUE(EqualRgn(region.get(), byGdi.get()));

        // Green within the tolerance of the key's 0 counts as inside; blue below 255 does not.
        PixelBuffer shades(3, 1);
        shades.SetPixel(0, 0, PixelFromColour(0xFF01FF));
        shades.SetPixel(1, 0, PixelFromColour(0xFE00FF));
        shades.SetPixel(2, 0, PixelFromColour(0xFF02FF));
        RegionHandle some = BitmapRegion(shades, 0, 0, 1, 1, 1, kMagenta);
        EXPECT_FALSE(PtInRegion(some.get(), 0, 0));
        EXPECT_TRUE(PtInRegion(some.get(), 1, 0));
        EXPECT_TRUE(PtInRegion(some.get(), 2, 0));

        PixelBuffer allKey(20, 10);
        allKey.Fill(PixelFromColour(kMagenta));
        RegionHandle empty = BitmapRegion(allKey, 0, 0, 1, 1, 1, kMagenta);
        RECT box;
        ASSERT_TRUE(empty);
        EXPECT_EQ(GetRgnBox(empty.get(), &box), NULLREGION);

        // Handed to a window, the region is the window's to free.
        HWND wnd = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 100, 70, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(wnd, nullptr);
        EXPECT_NE(SetWindowRgn(wnd, region.release(), FALSE), 0);
        RegionHandle copy(CreateRectRgn(0, 0, 0, 0));
        EXPECT_NE(GetWindowRgn(wnd, copy.get()), ERROR);
        EXPECT_TRUE(EqualRgn(copy.get(), byGdi.get()));
        DestroyWindow(wnd);
    }
    EXPECT_EQ(GdiObjectsAlive(), before);
}

TEST(SkinGdiAdapters, ParentImageIsWhatTheParentPaintsUnderTheControl) {
    auto form = MakeUnowned<TForm>();
    form->SetBounds(0, 0, 300, 200);
    auto* panel = MakeComponent<TPanel>(form.get());
    panel->SetParent(form.get());
    panel->SetBounds(10, 10, 200, 120);
    panel->SetColor(0x3080C0);
    auto* bevel = MakeComponent<TBevel>(form.get());
    bevel->SetParent(panel);
    bevel->SetBounds(20, 15, 100, 60);
    auto* button = MakeComponent<TButton>(form.get());
    button->SetParent(panel);
    button->SetBounds(50, 40, 90, 50);
    ASSERT_NE(panel->Handle(), nullptr);

    PixelBuffer whole(200, 120), under(90, 50);
    {
        BufferDc dc(whole);
        panel->Perform(WM_ERASEBKGND, reinterpret_cast<uintptr_t>(dc.get()), 0);
        panel->Perform(WM_PAINT, reinterpret_cast<uintptr_t>(dc.get()), 0);
        dc.Pixels();
    }
    {
        BufferDc dc(under);
        PaintParentImage(button, dc.get());
        dc.Pixels();
    }
    PixelBuffer expected(90, 50);
    StretchCopy(expected, {0, 0, 90, 50}, whole, {50, 40, 140, 90});
    EXPECT_EQ(Differences(under, expected), 0);
    EXPECT_EQ(ColourFromPixel(under.Pixel(85, 45)), 0x3080C0u);  // the panel's own colour
    // The DC comes back as it was: origin and clipping.
    PixelBuffer probe(10, 10);
    BufferDc dc(probe);
    PaintParentImage(button, dc.get());
    POINT origin{1, 1};
    GetViewportOrgEx(dc.get(), &origin);
    EXPECT_EQ(origin.x, 0);
    EXPECT_EQ(origin.y, 0);
    PaintParentImage(form.get(), dc.get());  // no parent: nothing, no crash
}

TEST(FrameworkImageList, MaskedStripCellsDrawWithTheirMaskColourLeftOut) {
    const PixelBuffer strip = Pattern(48, 16, 6);  // three 16 x 16 cells
    auto list = MakeUnowned<TImageList>();
    EXPECT_EQ(list->AddMasked(strip, 16, kMagenta), 0);
    EXPECT_EQ(list->Count(), 3);
    EXPECT_EQ(list->AddMasked(strip, 17, kMagenta), 3);  // two more; the partial third is dropped
    EXPECT_EQ(list->Count(), 5);

    const PixelBuffer background = Pattern(40, 24, 9);
    for (int i = 0; i < 3; ++i) {
        PixelBuffer cell(16, 16), expected = background.Clone();
        StretchCopy(cell, {0, 0, 16, 16}, strip, {16 * i, 0, 16 * i + 16, 16});
        TransparentCopy(expected, {7, 5, 23, 21}, cell, kMagenta);
        const PixelBuffer drawn = DrawnWithDc(background, [&](HDC dc) { EXPECT_TRUE(list->Draw(dc, 7, 5, i)); });
        EXPECT_EQ(Differences(drawn, expected), 0) << i;
    }
    EXPECT_FALSE(list->Draw(nullptr, 0, 0, 5));

    // A bitmap resource: the system's check-box strip, cut into 13-pixel cells.
    auto loaded = MakeUnowned<TImageList>();
    const int first = loaded->LoadMasked(nullptr, MAKEINTRESOURCEA(OBM_CHECKBOXES), 13, 0xFFFFFF);
    ASSERT_EQ(first, 0);
    BitmapHandle checks(static_cast<HBITMAP>(LoadImageA(nullptr, MAKEINTRESOURCEA(OBM_CHECKBOXES), IMAGE_BITMAP, 0, 0, 0)));
    BITMAP info{};
    GetObjectA(checks.get(), sizeof info, &info);
    EXPECT_EQ(loaded->Count(), info.bmWidth / 13);
}

TEST(FrameworkFonts, FontFromALogFontDrawsAsCreateFontIndirect) {
    for (TSystemFont which : {TSystemFont::Caption, TSystemFont::Menu, TSystemFont::Status}) {
        LOGFONTA lf{};
        ASSERT_TRUE(SystemLogFont(which, lf));
        TFont font;
        font.AssignLogFont(lf);
        LOGFONTA made{};
        ASSERT_EQ(GetObjectA(font.Handle(), sizeof made, &made), static_cast<int>(sizeof made));
        EXPECT_STREQ(made.lfFaceName, lf.lfFaceName);
        EXPECT_EQ(made.lfHeight, lf.lfHeight);
        EXPECT_EQ(made.lfWeight, lf.lfWeight);
        EXPECT_EQ(made.lfQuality, lf.lfQuality);

        LOGFONTA reference = lf;
        reference.lfCharSet = static_cast<BYTE>(font.EffectiveCharset());
        FontHandle byGdi(CreateFontIndirectA(&reference));
        auto text = [](HFONT f) {
            return DrawnWithDc(Pattern(160, 30, 0), [f](HDC dc) {
                SelectScope selected(dc, f);
                SetBkMode(dc, TRANSPARENT);
                TextOutA(dc, 2, 2, "Kelvora 一键优化", 16);
            });
        };
        EXPECT_EQ(Differences(text(font.Handle()), text(byGdi.get())), 0);
    }
}

TEST(FrameworkHintWindow, ShowsTheTextInToolTipColoursWithoutTakingTheFocus) {
    THintWindow hint;
    const std::string text = "关闭 Close";
    const RECT r = hint.CalcHintRect(500, text);
    RECT byGdi{0, 0, 500, 0};
    {
        PixelBuffer scratch(4, 4);
        BufferDc dc(scratch);
        SelectScope font(dc.get(), hint.Font().Handle());
        DrawTextA(dc.get(), text.c_str(), static_cast<int>(text.size()), &byGdi,
                  DT_CALCRECT | DT_LEFT | DT_NOPREFIX | DT_WORDBREAK);
    }
    EXPECT_EQ(r.right, byGdi.right + 6);
    EXPECT_EQ(r.bottom, byGdi.bottom + 2);

    HWND before = GetForegroundWindow();
    hint.ActivateHint(RECT{100 + r.left, 80 + r.top, 100 + r.right, 80 + r.bottom}, text);
    ASSERT_TRUE(hint.Showing());
    EXPECT_EQ(GetForegroundWindow(), before);
    EXPECT_TRUE(GetWindowLongA(hint.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    RECT placed{};
    GetWindowRect(hint.Handle(), &placed);
    EXPECT_EQ(placed.left, 100);
    EXPECT_EQ(placed.right - placed.left, r.right);

    RECT client{};
    GetClientRect(hint.Handle(), &client);
    PixelBuffer ours(client.right, client.bottom), theirs(client.right, client.bottom);
    {
        BufferDc dc(ours);
        SendMessageA(hint.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.get()), PRF_CLIENT);
        dc.Pixels();
    }
    {
        BufferDc dc(theirs);
        FillRect(dc.get(), &client, GetSysColorBrush(COLOR_INFOBK));
        SelectScope font(dc.get(), hint.Font().Handle());
        SetTextColor(dc.get(), GetSysColor(COLOR_INFOTEXT));
        SetBkMode(dc.get(), TRANSPARENT);
        RECT t{2, 2, client.right, client.bottom};
        DrawTextA(dc.get(), text.c_str(), static_cast<int>(text.size()), &t, DT_LEFT | DT_NOPREFIX | DT_WORDBREAK);
        dc.Pixels();
    }
    EXPECT_EQ(Differences(ours, theirs), 0);
    EXPECT_EQ(ColourFromPixel(ours.Pixel(client.right - 1, client.bottom - 1)), GetSysColor(COLOR_INFOBK));
    hint.ReleaseHandle();
    EXPECT_FALSE(hint.Showing());
}

TEST(SkinGdiAdapters, PaintingLeavesNoGdiObjectBehind) {
    const PixelBuffer image = Pattern(48, 14, 5);
    PixelBuffer target(100, 60);
    const long before = GdiObjectsAlive();
    {
        BrushHandle brush(CreateSolidBrush(0));
        EXPECT_EQ(GdiObjectsAlive(), before + 1);  // owners count what they hold
        BufferDc dc(target);
        EXPECT_EQ(GdiObjectsAlive(), before + 2);
        for (int i = 0; i < 3; ++i) {
            DrawFrameNineSlice(dc.get(), RECT{0, 0, 90, 50}, image, false, true, true, 3, 2, TMargins{3, 3, 3, 3});
            DrawThreePart(dc.get(), RECT{0, 0, 90, 20}, image, false, true, 3, 1, TMargins{3, 0, 3, 0});
            StretchThreePart(dc.get(), RECT{0, 0, 90, 20}, image, false, 3, 1, TMargins{3, 0, 3, 0});
            TileDraw(dc.get(), RECT{0, 0, 90, 50}, image, RECT{0, 0, 16, 14});
            GradientFill(dc.get(), RECT{0, 0, 90, 50}, clBtnFace, true, clHighlight);
            TransparentCopy(dc.get(), RECT{0, 0, 48, 14}, image, kMagenta);
            RegionHandle r = BitmapRegion(image, 0, 0, 1, 1, 1, kMagenta);
        }
    }
    EXPECT_EQ(GdiObjectsAlive(), before);
}
