#pragma once
// A hint (tool tip) window: a borderless top-most popup that shows one text in the
// system's tool-tip colours and status font, without taking the focus or the mouse.
#include "framework/Graphics.h"
#include "framework/Handles.h"

#include <string>

class THintWindow {
public:
    THintWindow();
    THintWindow(const THintWindow&) = delete;
    THintWindow& operator=(const THintWindow&) = delete;

    // The rectangle (at the origin) that shows text wrapped at maxWidth pixels.
    RECT CalcHintRect(int maxWidth, const std::string& text);
    // Shows text in rect (screen coordinates), kept on the screen's work area.
    void ActivateHint(RECT rect, const std::string& text);
    // Hides the window; the next ActivateHint shows it again.
    void ReleaseHandle();
    bool Showing() const;
    HWND Handle() const { return wnd_.get(); }
    const std::string& Caption() const { return text_; }
    TFont& Font() { return font_; }

    // The window's face at its current size, as painted.
    void PaintTo(HDC dc);

private:
    static LRESULT CALLBACK WndProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT Dispatch(UINT msg, WPARAM wp, LPARAM lp);
    void CreateHandle();
    void Paint();

    WindowHandle wnd_;
    std::string text_;
    TFont font_;
};
