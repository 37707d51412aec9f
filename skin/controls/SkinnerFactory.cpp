#include "skin/controls/SkinnerFactory.h"

#include "skin/controls/SkinButtons.h"
#include "skin/controls/SkinScrollBars.h"

TSkinControl* CreateSkinner(TSkinnerKind kind, TComponent* owner) {
    using K = TSkinnerKind;
    switch (kind) {
        case K::Button: return MakeComponent<TSkinButton>(owner);
        case K::BitButton: return MakeComponent<TSkinBitButton>(owner);
        case K::PngBitButton: {
            auto* s = MakeComponent<TSkinBitButton>(owner);
            s->GlyphProperty = "PngImage";
            return s;
        }
        case K::SpeedButton: return MakeComponent<TSkinSpeedButton>(owner);
        case K::PngSpeedButton: {
            auto* s = MakeComponent<TSkinSpeedButton>(owner);
            s->GlyphProperty = "PngImage";
            return s;
        }
        case K::MenuButton: return MakeComponent<TSkinMenuButton>(owner);
        case K::CheckBox: return MakeComponent<TSkinCheckBox>(owner);
        case K::RadioButton: return MakeComponent<TSkinRadioButton>(owner);
        case K::ScrollBar: return MakeComponent<TSkinScrollbar>(owner);
        case K::SingleScrollBar: {
            auto* s = MakeComponent<TSkinScrollbar>(owner);
            s->SingleBar = 1;
            return s;
        }
        case K::ScrollBarH: return MakeComponent<TSkinScrollbarH>(owner);
        case K::ScrollControl: return MakeComponent<TSkinScControl>(owner);
        // Skinners this build does not have yet: the control keeps its own look.
        default: return nullptr;
    }
}
