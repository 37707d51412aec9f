#include "skin/data/SkinOptions.h"

#include <initializer_list>

namespace {

struct KindGroup {
    const char* kind;
    std::initializer_list<const char*> classes;
};

// The table as stored: it opens with a few classes of mixed kinds, then the rest by kind.
// Lookup takes the first matching line and repeated class names carry the same kind, so
// the order within the table changes no result.
std::vector<std::string> BuildClassKinds() {
    static const KindGroup kOpening[] = {
        {"Scrollbar", {"TCategoryButtons"}},
        {"PngSpeedButton", {"TPngSpeedbutton"}},
        {"PngBitBtn", {"TPngBitBtn"}},
        {"Scrollbar", {"TVirtualStringTree", "TVirtualDrawTree"}},
        {"Panel", {"TTBXDockablePanel"}},
        {"Scrollbar", {"TAdvPanelGroup"}},
        {"Combobox", {"TComboboxex"}},
        {"SpeedButton", {"TRxSpeedButton"}},
    };
    static const KindGroup kRest[] = {
        {"Scrollbar", {"THTMLViewer", "TDBCtrlGrid", "TImageEnMView", "TImageEnView", "TAdvMemo", "TDBAdvMemo"}},
        {"Panel",
         {"TControlBar", "TTBDock", "TTBToolbar", "TRzGroup", "TLMDCalculator", "TLMDGROUPBOX", "TLMDSIMPLEPANEL",
          "TLMDDBCalendar", "TLMDButtonPanel", "TLMDLMDCalculator", "TLMDHeaderPanel", "TLMDTechnicalLine",
          "TLMDLMDClock", "TLMDTrackbar"}},
        {"Combobox",
         {"TcxDBLookupComboBox", "TcxDBComboBox", "TcxDBDateEdit", "TcxDBImageComboBox", "TcxDBCalcEdit",
          "TcxDBBlobEdit", "TcxDBPopupEdit", "TcxDBFontNameComboBox", "TcxDBShellComboBox", "TRxLookupEdit",
          "TRxDBLookupCombo", "TRzDateTimeEdit", "TRzColorEdit", "TRzDateTimePicker", "TRzDBDateTimeEdit",
          "TRzDbColorEdit", "TRzDBDateTimePicker", "TLMDListCombobox", "TLMDCheckListCombobox",
          "TLMDHeaderListCombobox", "TLMDImageCombobox", "TLMDColorCombobox", "TLMDFontCombobox",
          "TLMDFontSizeCombobox", "TLMDFontSizeCombobox", "TLMDPrinterCombobox", "TLMDDriveCombobox",
          "TLMDCalculatorComboBox", "TLMDTrackBarComboBox", "TLMDCalendarComboBox", "TLMDTreeComboBox",
          "TDBLookupCombobox", "TWWDBCombobox", "TWWDBCombobox", "TWWDBLookupCombo", "TWWKeyCombo",
          "TWWTempKeyCombo", "TWWDBDateTimePicker"}},
        {"SpeedButton", {"TfrSpeedButton", "TfrTBButton"}},
        {"Button", {"TRzButton"}},
        {"BitBtn", {"TRzBitbtn", "TLMDButton", "TcxButton"}},
        {"MenuBtn", {"TRzMenuButton"}},
        {"CheckGroup", {"TRzCheckGroup", "TLMDCheckGroup", "TLMDDBCheckGroup"}},
        {"RadioGroup",
         {"TRzRadioGroup", "TRzDBRadioGroup", "TLMDRADIOGROUP", "TLMDDBRADIOGROUP", "TWWRADIOGROUP",
          "TcxDBRadioGroup", "TcxRadioGroup"}},
        {"Edit",
         {"TRzButtonEdit", "TLMDCalculatorEdit", "TLMDEDIT", "TLMDMASKEDIT", "TLMDBROWSEEDIT", "TLMDEXTSPINEDIT",
          "TLMDCALENDAREDIT", "TLMDFILEOPENEDIT", "TLMDFILESAVEEDIT", "TLMDCOLOREDIT", "TLMDDBEDIT",
          "TLMDDBMASKEDIT", "TLMDDBEXTSPINEDIT", "TLMDDBSPINEDIT", "TLMDDBEDITDBLookup", "TLMDEDITDBLookup",
          "TWWDBEDIT", "TOVCPICTUREFIELD", "TOVCDBPICTUREFIELD", "TOVCSLIDEREDIT", "TOVCDBSLIDEREDIT",
          "TOVCSIMPLEFIELD", "TOVCDBSIMPLEFIELD", "TO32DBFLEXEDIT", "TOVCNUMERICFIELD", "TOVCDBNUMERICFIELD"}},
        {"RadioButton", {"TRzDBRadioButton", "TLMDRadiobutton"}},
        {"GroupBox", {"TLMDGroupBox", "TcxGroupbox"}},
        {"CheckBox", {"TDBCheckboxEh", "TDBCheckboxEh", "TLMDCHECKBOX", "TLMDDBCHECKBOX"}},
    };
    std::vector<std::string> lines;
    for (const KindGroup& g : kOpening)
        for (const char* c : g.classes) lines.push_back(std::string(c) + "=" + g.kind);
    for (const KindGroup& g : kRest)
        for (const char* c : g.classes) lines.push_back(std::string(c) + "=" + g.kind);
    return lines;
}

}  // namespace

const std::vector<std::string>& BuiltinClassKinds() {
    static const std::vector<std::string> lines = BuildClassKinds();
    return lines;
}
