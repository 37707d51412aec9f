#include "skin/controls/SkinnerFactory.h"

#include "skin/controls/SkinButtons.h"
#include "skin/controls/SkinComboBox.h"
#include "skin/controls/SkinContainers.h"
#include "skin/controls/SkinDateTime.h"
#include "skin/controls/SkinEdit.h"
#include "skin/controls/SkinHeader.h"
#include "skin/controls/SkinIndicators.h"
#include "skin/controls/SkinMediaPlayer.h"
#include "skin/controls/SkinObjImage.h"
#include "skin/controls/SkinScrollBars.h"
#include "skin/controls/SkinTabs.h"
#include "skin/controls/SkinUpDown.h"

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
        case K::Edit: return MakeComponent<TSkinEdit>(owner);
        case K::ComboBox: return MakeComponent<TSkinComBox>(owner);
        case K::ComboBoxEx: {
            auto* s = MakeComponent<TSkinComBox>(owner);
            s->ExtendedCombo = 1;
            return s;
        }
        case K::DateTime: return MakeComponent<TSkinDateTime>(owner);
        case K::Tab: return MakeComponent<TSkinTab>(owner);
        case K::TabMode2: {
            auto* s = MakeComponent<TSkinTab>(owner);
            s->Mode = 2;  // a tab control that is not a page control: its graphic children painted after
            return s;
        }
        case K::Tab31: return MakeComponent<TSkinTab31>(owner);
        case K::TabButtons: return MakeComponent<TSkinTabBtn>(owner);
        case K::TabSheet: return MakeComponent<TSkinTabSheet>(owner);
        case K::Header: return MakeComponent<TSkinHeader>(owner);
        case K::GroupBox: return MakeComponent<TSkinGroupBox>(owner);
        case K::Box: return MakeComponent<TSkinBox>(owner);
        case K::BoxH: return MakeComponent<TSkinBoxH>(owner);
        case K::Sizer: return MakeComponent<TSkinSizer>(owner);
        case K::StatusBar: return MakeComponent<TSkinStatusBar>(owner);
        case K::Progress: return MakeComponent<TSkinProgress>(owner);
        case K::TrackBar: return MakeComponent<TSkinTrackBar>(owner);
        case K::UpDown: return MakeComponent<TSkinUpDown>(owner);
        case K::ObjImageCheck:
        case K::ObjImageRadio:
        case K::ObjImageCx: {
            auto* s = MakeComponent<TSkinObjImage>(owner);
            s->Kind = kind == K::ObjImageRadio ? oiRadioButton : kind == K::ObjImageCx ? oiCxCheckBox : oiCheckBox;
            return s;
        }
        case K::MediaPlayer: return MakeComponent<TSkinMP>(owner);
        case K::AdvPage: {
            auto* s = MakeComponent<TSkinAdvPage>(owner);
            s->Mode = 4;  // the control paints itself: the skinner only lends it pictures
            return s;
        }
        // List views as such: the control keeps its look.
        default: return nullptr;
    }
}
