#pragma once
// A framework form under our skin for the skinner tests: the skin data, a shown form of
// the given client size and, once Skin() is called, its form skinner with every control
// added so far given its skinner by the classification.
#include <windows.h>

#include <string>
#include <vector>

#include "framework/Forms.h"
#include "framework/Graphics.h"
#include "skin/controls/Classify.h"
#include "skin/controls/SkinControl.h"
#include "skin/form/SkinForm.h"
#include "tests/win32/SkinTestSupport.h"

inline void PumpMessages() { Application->ProcessMessages(); }

class TSkinnedTestForm {
public:
    explicit TSkinnedTestForm(int width = 400, int height = 300) : data(OurSkinData()) {
        form = MakeUnowned<TForm>();
        form->SetClientSize(width, height);
    }
    ~TSkinnedTestForm() {
        skinner.reset();  // the skinners go before the controls they hook
        form.reset();
        data.reset();
    }

    // A control of the form, parented and placed.
    template <class T>
    T* Add(TWinControl* parent, int x, int y, int width, int height) {
        T* c = MakeComponent<T>(form.get());
        c->SetParent(parent ? parent : form.get());
        c->SetBounds(x, y, width, height);
        return c;
    }

    // Shows the form, puts the form skinner on it and classifies its controls.
    void Skin() {
        form->Show();
        PumpMessages();
        skinner = MakeUnowned<TSkinForm>();
        skinner->SetWindow(form->Handle(), nullptr, "TForm");
        skinner->AttachToForm(data.get(), form.get());
        SkinFormControls(*skinner, form.get());
        PumpMessages();
    }

    // The skinner the form skinner keeps for a window (null when none).
    TSkinControl* SkinnerOf(HWND window) const { return skinner ? skinner->FindSkinner(window) : nullptr; }

    // The class names of the skinners an owner holds.
    static std::vector<std::string> SkinnersOf(const TComponent* owner) {
        std::vector<std::string> names;
        for (int i = 0; i < owner->ComponentCount(); ++i)
            if (auto* s = dynamic_cast<TSkinControl*>(owner->Components(i))) names.push_back(s->ClassName());
        return names;
    }

    TUnowned<TSkinData> data;
    TUnowned<TForm> form;
    TUnowned<TSkinForm> skinner;
};

// Live GDI objects of this process (for leak checks around many repeats).
inline DWORD GdiObjectCount() { return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS); }

// What a window paints through WM_PAINT into a memory DC over a 32-bit picture of the
// given size, or of its client area.
inline PixelBuffer PaintedPicture(HWND w, int width, int height) {
    PixelBuffer picture(width, height);
    BufferDc dc(picture);
    SendMessageW(w, WM_PAINT, reinterpret_cast<WPARAM>(dc.get()), 0);
    GdiFlush();
    return picture;
}

inline PixelBuffer PaintedPicture(HWND w) {
    RECT r{};
    GetClientRect(w, &r);
    return PaintedPicture(w, r.right, r.bottom);
}
