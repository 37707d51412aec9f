#pragma once
// The main window: banner, three pages (optimisation, list editor, about), the buttons,
// the desktop-shortcut link, the status bar, the tray menu, the 10 ms timer and the skin
// that draws every window of the program.
// The layout is built by the constructor (Unit1Layout.cpp); the handlers (Unit1.cpp)
// hand the real work to the clean-up, system-utility and tray subsystems.
#include "framework/ComCtrls.h"
#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
#include "framework/Menus.h"
#include "framework/StdCtrls.h"
#include "skin/data/SkinData.h"
#include "tray/TrayIcon.h"

class TForm1 : public TForm {
    KELVORA_CLASS(TForm1)
public:
    explicit TForm1(TComponent* owner);

    // Components (owned by the form; these are views).
    TSkinData* SkinData1 = nullptr;
    TTrayIcon* TrayIcon1 = nullptr;
    TPopupMenu* PopupMenu1 = nullptr;
    TMenuItem* Aboutme = nullptr;
    TMenuItem* N2 = nullptr;
    TMenuItem* ShowME = nullptr;
    TMenuItem* HideME = nullptr;
    TMenuItem* N1 = nullptr;
    TMenuItem* CloseMe = nullptr;
    TImage* Image1 = nullptr;
    TPageControl* PageControl1 = nullptr;
    TTabSheet* TabSheet1 = nullptr;
    TTabSheet* TabSheet3 = nullptr;
    TStatusBar* StatusBar1 = nullptr;
    TLabel* Label1 = nullptr;
    TEdit* Edit_Softver = nullptr;
    TLabel* Label2 = nullptr;
    TGroupBox* GroupBox1 = nullptr;
    TGroupBox* GroupBox3 = nullptr;
    TButton* Button1 = nullptr;
    TButton* Button2 = nullptr;
    TProgressBar* ProgressBar1 = nullptr;
    TLabel* Label3 = nullptr;
    TLabel* Label4 = nullptr;
    TProgressBar* ProgressBar2 = nullptr;
    TLabel* Label5 = nullptr;
    TLabel* Label6 = nullptr;
    TTimer* TimerGet = nullptr;
    TBevel* Bevel1 = nullptr;
    TButton* Button_Clear = nullptr;
    TLabel* Label7 = nullptr;
    TLabel* Label8 = nullptr;
    TLabel* Label9 = nullptr;
    TLabel* Label10 = nullptr;
    TTabSheet* TabSheet2 = nullptr;
    TGroupBox* GroupBox2 = nullptr;
    TMemo* Memo_Process = nullptr;
    TButton* Button_Load = nullptr;
    TMenuItem* N3 = nullptr;
    TMenuItem* N4 = nullptr;
    TListBox* ListBox_Process = nullptr;
    TMemo* Memo_Log = nullptr;
    TButton* Button_GetMemoryStatus = nullptr;
    TLabel* Label11 = nullptr;
    TPageControl* PageControl2 = nullptr;
    TTabSheet* TabSheet4 = nullptr;
    TMemo* Memo_YouHuaWangLuo = nullptr;
    TButton* Button_ScanNetWork = nullptr;
    TLabel* Label12 = nullptr;

    // Handlers.
    void FormCreate(TObject* Sender);
    void CloseMeClick(TObject* Sender);
    void AboutmeClick(TObject* Sender);
    void ShowMEClick(TObject* Sender);
    void HideMEClick(TObject* Sender);
    void TrayIcon1Click(TObject* Sender);
    void FormDestroy(TObject* Sender);
    void Button2Click(TObject* Sender);
    void Button_ClearClick(TObject* Sender);
    void TimerGetTimer(TObject* Sender);
    void Button1Click(TObject* Sender);
    void Label2Click(TObject* Sender);
    void Memo_ProcessChange(TObject* Sender);
    void Button_LoadClick(TObject* Sender);
    void N3Click(TObject* Sender);
    void Button_GetMemoryStatusClick(TObject* Sender);
    void Button_ScanNetWorkClick(TObject* Sender);
    void Label12Click(TObject* Sender);
    void Label10Click(TObject* Sender);
    void Label8Click(TObject* Sender);
};
