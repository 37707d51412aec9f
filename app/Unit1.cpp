// The main window's handlers: each hands its work to the subsystem that owns it.
#include "app/Unit1.h"

#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "app/RunBindings.h"
#include "app/Sites.h"
#include "cleanup/ListFile.h"
#include "cleanup/ListStore.h"
#include "cleanup/OptimisationRun.h"
#include "sysutil/NetworkRefresh.h"
#include "sysutil/Shortcut.h"
#include "tray/TrayIcon.h"

namespace {

// Opens "http://host/?qq=Kelvora<version>" in the default browser; failures are ignored.
void OpenSite(TForm1& form, const char* host) {
    const std::string address = SiteAddress(host, form.Edit_Softver->Text());
    ShellExecuteA(form.Handle(), nullptr, address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

std::string ExecutablePath() {
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::string(path, n);
}

}  // namespace

void TForm1::FormCreate(TObject* Sender) {
    SetProgramFolderFromExecutable();
    TrayIcon1->SetHint(Caption());
    TrayIcon1->SetIconVisible(true);
    Button_Load->Click();
}

void TForm1::FormDestroy(TObject* Sender) {
    // Removes the icon from the notification area.
    TComponent::Free(TrayIcon1);
    TrayIcon1 = nullptr;
}

// ---- The run and the index ----

void TForm1::Button_ClearClick(TObject* Sender) {
    SystemRunBinding system;
    FormRunBinding window(*this);
    RunOptimisation(system, window);
}

void TForm1::N3Click(TObject* Sender) { Button_Clear->Click(); }

void TForm1::TimerGetTimer(TObject* Sender) {
    SystemRunBinding system;
    FormRunBinding window(*this);
    RefreshBeforeIndex(system, window);
}

void TForm1::Button_GetMemoryStatusClick(TObject* Sender) {
    SystemRunBinding system;
    FormRunBinding window(*this);
    RefreshBeforeIndex(system, window);
}

void TForm1::Button_ScanNetWorkClick(TObject* Sender) {
    StartNetworkRefresh(Memo_YouHuaWangLuo->Text());
    Memo_Log->Lines().Add(kLogNetworkDone);
}

// ---- The list of names ----

void TForm1::Memo_ProcessChange(TObject* Sender) {
    ReplaceFileContents(ListFilePath(), Memo_Process->Text());
}

void TForm1::Button_LoadClick(TObject* Sender) {
    std::vector<std::string> names;
    if (!ReadListFile(ListFilePath(), names)) return;  // no file: everything stays as it is
    TStrings& items = ListBox_Process->Items();
    items.BeginUpdate();
    items.Clear();
    for (const std::string& name : names) items.Add(name);
    items.EndUpdate();
    // Setting a different text is a change: the change handler writes it back to the file.
    const std::string text = items.Text();
    if (Memo_Process->Text() != text) Memo_Process->SetText(text);
    StatusBar1->Panels()[1]->SetText(ListCountText(static_cast<std::size_t>(items.Count())));
}

// ---- Showing, hiding, closing ----

void TForm1::Button1Click(TObject* Sender) { HideME->Click(); }

void TForm1::TrayIcon1Click(TObject* Sender) { ShowME->Click(); }

void TForm1::ShowMEClick(TObject* Sender) {
    // Hiding first makes the second call show and activate the window even when it is
    // already visible.
    ShowWindow(Handle(), SW_HIDE);
    ShowWindow(Handle(), SW_SHOW);
}

void TForm1::HideMEClick(TObject* Sender) {
    HideTaskbarButton();
    ShowWindow(Handle(), SW_HIDE);
}

void TForm1::Button2Click(TObject* Sender) { Close(); }

void TForm1::CloseMeClick(TObject* Sender) { Close(); }

// ---- Links ----

void TForm1::AboutmeClick(TObject* Sender) { OpenSite(*this, kSupportHost); }

void TForm1::Label2Click(TObject* Sender) { OpenSite(*this, kSupportHost); }

void TForm1::Label10Click(TObject* Sender) { OpenSite(*this, kSupportHost); }

void TForm1::Label8Click(TObject* Sender) { OpenSite(*this, kOfficialHost); }

void TForm1::Label12Click(TObject* Sender) {
    CreateShortcut(ExecutablePath(), Caption(), "", -1);
}
