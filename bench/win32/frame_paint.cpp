// The skinned frame of a 445 x 364 form (453 x 398 outside) under our skin: a full frame
// repaint through SKINMSG_PRINTFRAME into a memory DC (of an unchanged frame, and composed
// anew), a caption button's hover change (its cell alone, against the whole frame composed
// with the new state), the window region's build, and how often the region is rebuilt while
// the window only moves.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "framework/Forms.h"
#include "framework/Handles.h"
#include "framework/PrivateMessages.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinReader.h"
#include "skin/form/CaptionButton.h"
#include "skin/form/FramePainterGdi.h"
#include "skin/form/SkinForm.h"
#include "bench/win32/PaintTiming.h"
#include "tests/win32/SkinTestSupport.h"


int main() {
    auto data = OurSkinData();
    if (data->NoSkinLoaded()) {
        std::printf("frame_paint: no skin package beside the program\n");
        return 1;
    }
    auto form = MakeUnowned<TForm>();
    form->SetBorderStyle(bsSingle);
    form->SetBorderIcons(biSystemMenu | biMinimize);
    form->SetClientSize(445, 364);
    form->SetCaption("Kelvora 托盘");
    form->Show();
    HWND w = form->Handle();
    auto skinner = MakeUnowned<TSkinForm>();
    skinner->SetWindow(w, nullptr, "TForm");
    skinner->AttachToForm(data.get(), form.get());
    PostMessageA(w, SKINMSG_ATTACHED, 0, 1000);
    Application->ProcessMessages();
    RECT r{};
    GetWindowRect(w, &r);
    std::printf("window %ld x %ld\n", r.right - r.left, r.bottom - r.top);

    MemoryDcHandle memory(CreateCompatibleDC(nullptr));
    WindowDc screen(nullptr);
    BitmapHandle bitmap(CreateCompatibleBitmap(screen.get(), r.right - r.left, r.bottom - r.top));
    SelectScope select(memory.get(), bitmap.get());
    Print("frame repaint, unchanged (SKINMSG_PRINTFRAME)", Measure(500, [&] {
              SendMessageA(w, SKINMSG_PRINTFRAME, reinterpret_cast<WPARAM>(memory.get()), 0x41A2);
          }), 500);
    // Active and inactive in turn: each look is kept once composed.
    Print("frame repaint, active and inactive in turn", Measure(500, [&] {
              skinner->IsActive = !skinner->IsActive;
              SendMessageA(w, SKINMSG_PRINTFRAME, reinterpret_cast<WPARAM>(memory.get()), 0x41A2);
          }), 500);
    Print("frame repaint, composed anew", Measure(500, [&] {
              skinner->ForgetPictures();
              SendMessageA(w, SKINMSG_PRINTFRAME, reinterpret_cast<WPARAM>(memory.get()), 0x41A2);
          }), 500);

    // Hover on and off the close button, each change drawn on the window.
    TCaptionButton* close = nullptr;
    for (const auto& b : skinner->CaptionButtons)
        if (b->Element->Action == caClose && b->Visible) close = b.get();
    if (close) {
        bool hot = false;
        Print("hover change, the whole frame composed", Measure(500, [&] {
                  hot = !hot;
                  close->State = static_cast<int>(hot ? TButtonState::Hot : TButtonState::Normal);
                  skinner->HotObject = hot ? close : nullptr;
                  skinner->PaintFrame(nullptr);
              }), 500);
        Print("hover change, the button's cell", Measure(500, [&] {
                  hot = !hot;
                  if (hot)
                      close->MouseMove(skinner->HotObject);
                  else
                      close->MouseLeave(skinner->HotObject);
              }), 500);
        if (skinner->HotObject) close->MouseLeave(skinner->HotObject);
    }

    TFrameState state = skinner->FrameState();
    state.width = r.right - r.left;
    state.height = r.bottom - r.top;
    Print("region build", Measure(200, [&] { RegionHandle made = CreateFrameRegion(FrameRegion(data->Skin(), state)); }),
          200);

    const int before = skinner->RegionBuilds();
    for (int i = 0; i < 100; ++i)
        SetWindowPos(w, nullptr, r.left + i % 7, r.top + i % 5, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Application->ProcessMessages();
    std::printf("%-44s %8d\n", "region builds while moved 100 times", skinner->RegionBuilds() - before);
    return 0;
}
