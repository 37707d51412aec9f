// Repaint of a skinned 120 x 40 push button under our skin: WM_PAINT into a memory DC
// (the face composed, its caption drawn and the picture put on the DC in one blit), at
// rest and while hover and press change its face.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "framework/Forms.h"
#include "framework/Handles.h"
#include "framework/StdCtrls.h"
#include "skin/controls/SkinButtons.h"
#include "bench/win32/PaintTiming.h"
#include "tests/win32/SkinTestSupport.h"


int main() {
    auto data = OurSkinData();
    if (data->NoSkinLoaded()) {
        std::printf("button_paint: no skin package beside the program\n");
        return 1;
    }
    auto form = MakeUnowned<TForm>();
    form->SetClientSize(300, 200);
    form->Show();
    auto* button = MakeComponent<TButton>(form.get());
    button->SetParent(form.get());
    button->SetBounds(10, 10, 120, 40);
    button->SetCaption("一键优化");
    button->HandleNeeded();
    MakeComponent<TSkinButton>(button)->Attach(nullptr, data.get(), false, nullptr);
    Application->ProcessMessages();
    HWND w = button->Handle();

    MemoryDcHandle memory(CreateCompatibleDC(nullptr));
    WindowDc screen(nullptr);
    BitmapHandle bitmap(CreateCompatibleBitmap(screen.get(), 120, 40));
    SelectScope select(memory.get(), bitmap.get());
    const WPARAM dc = reinterpret_cast<WPARAM>(memory.get());
    Report("button repaint (WM_PAINT, memory DC)", 1000, [&] { SendMessageW(w, WM_PAINT, dc, 0); });
    int i = 0;
    Report("hover on and off, each repainted twice", 1000, [&] {
        SendMessageW(w, (++i % 2) ? WM_MOUSEMOVE : WM_MOUSELEAVE, 0, MAKELPARAM(5, 5));
        SendMessageW(w, WM_PAINT, dc, 0);
    });
    return 0;
}
