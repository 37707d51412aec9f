#include "skin/controls/SkinButtons.h"

const TClassInfo& TSkinButton::StaticClass() {
    static const TClassInfo info("TSkinButton", &TSkinControl::StaticClass());
    return info;
}

const TClassInfo& TSkinBitButton::StaticClass() {
    static const TClassInfo info("TSkinBitButton", &TSkinButton::StaticClass());
    return info;
}

const TClassInfo& TSkinSpeedButton::StaticClass() {
    static const TClassInfo info("TSkinSpeedButton", &TSkinBitButton::StaticClass());
    return info;
}

const TClassInfo& TSkinMenuButton::StaticClass() {
    static const TClassInfo info("TSkinMenuButton", &TSkinButton::StaticClass());
    return info;
}

const TClassInfo& TSkinCheckBox::StaticClass() {
    static const TClassInfo info("TSkinCheckBox", &TSkinControl::StaticClass());
    return info;
}

const TClassInfo& TSkinRadioButton::StaticClass() {
    static const TClassInfo info("TSkinRadioButton", &TSkinControl::StaticClass());
    return info;
}

TSkinButton::TSkinButton(TComponent* owner) : TSkinControl(owner) {}
TSkinButton::~TSkinButton() = default;
void TSkinButton::Attach(TSkinForm* f, TSkinData* d, bool s, TCanvas* c) { TSkinControl::Attach(f, d, s, c); }
void TSkinButton::AttachWindow(HWND w, TSkinData* d, TSkinForm* f, TCanvas* c) { TSkinControl::AttachWindow(w, d, f, c); }
bool TSkinButton::BeforeMessage(TMessage& m) { return TSkinControl::BeforeMessage(m); }
void TSkinButton::AfterMessage(TMessage& m) { TSkinControl::AfterMessage(m); }
void TSkinButton::DrawSkin(HDC, const RECT&) {}
TSkinBitButton::TSkinBitButton(TComponent* owner) : TSkinButton(owner) {}
void TSkinBitButton::DrawSkin(HDC, const RECT&) {}
TSkinSpeedButton::TSkinSpeedButton(TComponent* owner) : TSkinBitButton(owner) {}
TSkinSpeedButton::~TSkinSpeedButton() = default;
void TSkinSpeedButton::AttachGraphic(TSkinData*, TSkinForm*, TCanvas*) {}
bool TSkinSpeedButton::BeforeMessage(TMessage& m) { return TSkinButton::BeforeMessage(m); }
void TSkinSpeedButton::AfterMessage(TMessage& m) { TSkinButton::AfterMessage(m); }
void TSkinSpeedButton::PaintWindow(HDC) {}
void TSkinSpeedButton::DrawSkin(HDC, const RECT&) {}
TSkinMenuButton::TSkinMenuButton(TComponent* owner) : TSkinButton(owner) {}
void TSkinMenuButton::DrawSkin(HDC, const RECT&) {}
TSkinCheckBox::TSkinCheckBox(TComponent* owner) : TSkinControl(owner) {}
void TSkinCheckBox::Attach(TSkinForm* f, TSkinData* d, bool s, TCanvas* c) { TSkinControl::Attach(f, d, s, c); }
void TSkinCheckBox::AttachWindow(HWND w, TSkinData* d, TSkinForm* f, TCanvas* c) { TSkinControl::AttachWindow(w, d, f, c); }
bool TSkinCheckBox::BeforeMessage(TMessage& m) { return TSkinControl::BeforeMessage(m); }
void TSkinCheckBox::AfterMessage(TMessage& m) { TSkinControl::AfterMessage(m); }
void TSkinCheckBox::DrawSkin(HDC, const RECT&) {}
TSkinRadioButton::TSkinRadioButton(TComponent* owner) : TSkinControl(owner) {}
void TSkinRadioButton::Attach(TSkinForm* f, TSkinData* d, bool s, TCanvas* c) { TSkinControl::Attach(f, d, s, c); }
void TSkinRadioButton::AttachWindow(HWND w, TSkinData* d, TSkinForm* f, TCanvas* c) { TSkinControl::AttachWindow(w, d, f, c); }
bool TSkinRadioButton::BeforeMessage(TMessage& m) { return TSkinControl::BeforeMessage(m); }
void TSkinRadioButton::AfterMessage(TMessage& m) { TSkinControl::AfterMessage(m); }
void TSkinRadioButton::DrawSkin(HDC, const RECT&) {}
