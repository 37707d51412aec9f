// A list box's vertical scroll bar overlay under our skin: one repaint of the overlay
// (the bar composed and put on screen), and the painter alone.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "framework/Forms.h"
#include "framework/StdCtrls.h"
#include "skin/controls/ScrollPainter.h"
#include "skin/controls/SkinScrollBars.h"
#include "bench/win32/PaintTiming.h"
#include "tests/win32/SkinTestSupport.h"


int main() {
    auto data = OurSkinData();
    if (data->NoSkinLoaded()) {
        std::printf("scroll_overlay: no skin package beside the program\n");
        return 1;
    }
    auto form = MakeUnowned<TForm>();
    form->SetClientSize(400, 300);
    form->Show();
    auto* list = MakeComponent<TListBox>(form.get());
    list->SetParent(form.get());
    list->SetBounds(10, 10, 150, 240);
    for (int i = 0; i < 200; ++i) list->Items().Add("item " + std::to_string(i));
    auto* skinner = MakeComponent<TSkinScrollbar>(list);
    skinner->AttachScroll(list, data.get(), nullptr, nullptr);
    Application->ProcessMessages();
    TScrollOverlay* v = skinner->Vertical();
    if (!v || !v->Shown) {
        std::printf("scroll_overlay: the overlay is not shown\n");
        return 1;
    }
    const HWND o = v->Handle();
    std::printf("overlay %d x %d\n", v->Width(), v->Height());
    Report("overlay repaint (invalidate, WM_PAINT)", 500, [&] {
        InvalidateRect(o, nullptr, FALSE);
        UpdateWindow(o);
    });
    // Baseline: the same cycle on a bare child window of the same size that paints nothing
    // (DefWindowProc's BeginPaint and EndPaint): what any repaint costs here.
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "KelvoraBenchBare";
    RegisterClassA(&wc);
    HWND bare = CreateWindowExA(0, wc.lpszClassName, "", WS_CHILD | WS_VISIBLE, 200, 10, v->Width(), v->Height(),
                                form->Handle(), nullptr, wc.hInstance, nullptr);
    Report("baseline: bare window of that size", 500, [&] {
        InvalidateRect(bare, nullptr, FALSE);
        UpdateWindow(bare);
    });
    DestroyWindow(bare);
    PixelBuffer out = PixelBuffer::Scratch(v->Width(), v->Height());
    TScrollBarState s;
    s.width = v->Width();
    s.height = v->Height();
    s.vertical = true;
    s.arrowSize = GetSystemMetrics(SM_CXHSCROLL);
    s.systemThickness = s.arrowSize;
    s.thumb = {v->ThumbStart, v->ThumbEnd};
    const TScrollLook look = ScrollLookOf(data->Skin(), ColourToRGB(data->Skin().ButtonFace()));
    Report("bar composed in memory", 500, [&] { PaintScrollBar(out, look, s); });
    return 0;
}
