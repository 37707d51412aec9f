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
#include "tests/win32/SkinTestSupport.h"

namespace {

double Now() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return 1e6 * static_cast<double>(t.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double CpuMicroseconds() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    auto us = [](const FILETIME& f) {
        return (static_cast<double>(f.dwHighDateTime) * 4294967296.0 + f.dwLowDateTime) / 10.0;
    };
    return us(kernel) + us(user);
}

template <typename F>
void Report(const char* what, int runs, F&& body) {
    body();
    std::vector<double> times;
    const double cpuStart = CpuMicroseconds();
    for (int i = 0; i < runs; ++i) {
        const double start = Now();
        body();
        times.push_back(Now() - start);
    }
    const double cpu = (CpuMicroseconds() - cpuStart) / runs;
    std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
    std::printf("%-44s %8.1f us median of %d, %8.1f us processor time per run\n", what,
                times[static_cast<size_t>(runs / 2)], runs, cpu);
}

}  // namespace

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
