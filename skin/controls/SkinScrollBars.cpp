#include "skin/controls/SkinScrollBars.h"

const TClassInfo& TScrollOverlay::StaticClass() {
    static const TClassInfo info("TScrollOverlay", &TCustomPanel::StaticClass());
    return info;
}

const TClassInfo& TSkinScrollbar::StaticClass() {
    static const TClassInfo info("TSkinScrollbar", &TSkinControl::StaticClass());
    return info;
}

const TClassInfo& TSkinScrollbarH::StaticClass() {
    static const TClassInfo info("TSkinScrollbarH", &TSkinControl::StaticClass());
    return info;
}

const TClassInfo& TSkinScControl::StaticClass() {
    static const TClassInfo info("TSkinScControl", &TSkinControl::StaticClass());
    return info;
}

const TClassInfo& TComboxScrollBar::StaticClass() {
    static const TClassInfo info("TComboxScrollBar", &TSkinControl::StaticClass());
    return info;
}

TScrollOverlay::TScrollOverlay(TComponent* owner) : TCustomPanel(owner) {}
TScrollOverlay::~TScrollOverlay() = default;
void TScrollOverlay::AttachToControl(TOverlayKind, TWinControl*) {}
void TScrollOverlay::AttachToHandle(TOverlayKind, HWND) {}
void TScrollOverlay::Place() {}
void TScrollOverlay::HideOverlay() {}
TScrollPart TScrollOverlay::HitTest(POINT) const { return spNone; }
void TScrollOverlay::Paint(TCanvas&) {}
void TScrollOverlay::WndProc(TMessage& message) { TCustomPanel::WndProc(message); }
TSkinScrollbar::TSkinScrollbar(TComponent* owner) : TSkinControl(owner) {}
TSkinScrollbar::~TSkinScrollbar() = default;
void TSkinScrollbar::AttachScroll(TWinControl*, TSkinData*, TSkinForm*, TCanvas*) {}
void TSkinScrollbar::Detach() { TSkinControl::Detach(); }
bool TSkinScrollbar::BeforeMessage(TMessage& m) { return TSkinControl::BeforeMessage(m); }
void TSkinScrollbar::AfterMessage(TMessage& m) { TSkinControl::AfterMessage(m); }
void TSkinScrollbar::DrawSkin(HDC, const RECT&) {}
void TSkinScrollbar::SkinChanged() {}
TSkinScrollbarH::TSkinScrollbarH(TComponent* owner) : TSkinControl(owner) {}
TSkinScrollbarH::~TSkinScrollbarH() = default;
void TSkinScrollbarH::AttachWindow(HWND, TSkinData*, TSkinForm*, TCanvas*) {}
void TSkinScrollbarH::Detach() { TSkinControl::Detach(); }
void TSkinScrollbarH::AfterMessage(TMessage& m) { TSkinControl::AfterMessage(m); }
void TSkinScrollbarH::DrawSkin(HDC, const RECT&) {}
TSkinScControl::TSkinScControl(TComponent* owner) : TSkinControl(owner) {}
TSkinScControl::~TSkinScControl() = default;
void TSkinScControl::AttachScrollControl(TWinControl*, TSkinData*, TSkinForm*, TCanvas*) {}
void TSkinScControl::Detach() { TSkinControl::Detach(); }
void TSkinScControl::AfterMessage(TMessage& m) { TSkinControl::AfterMessage(m); }
void TSkinScControl::DrawSkin(HDC, const RECT&) {}
TComboxScrollBar::TComboxScrollBar(TComponent* owner) : TSkinControl(owner) {}
TComboxScrollBar::~TComboxScrollBar() = default;
void TComboxScrollBar::AttachWindow(HWND, TSkinData*, TSkinForm*, TCanvas*) {}
bool TComboxScrollBar::BeforeMessage(TMessage& m) { return TSkinControl::BeforeMessage(m); }
void TComboxScrollBar::AfterMessage(TMessage& m) { TSkinControl::AfterMessage(m); }
void TComboxScrollBar::DrawSkin(HDC, const RECT&) {}
bool TComboxScrollBar::ThumbDrag(TMessage&) { return false; }
