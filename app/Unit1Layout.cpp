// The main window's stored layout: the skin, every control with its position, size, text,
// font and colour, the pages, the status-bar panels, the tray menu, the timer and the
// event wiring.
#include "app/Unit1.h"

#include <windows.h>

#include "app/BannerResource.h"
#include "app/Resources.h"
#include "app/Sites.h"
#include "app/SkinResource.h"
#include "skin/data/SkinOptions.h"
#include "sysutil/NetworkBatch.h"

const TClassInfo& TForm1::StaticClass() {
    static const TClassInfo info("TForm1", &TForm::StaticClass());
    return info;
}

namespace {

constexpr const char* kShownVersion = "1.0.20110422";

// Makes a control owned by the form, named, inside `parent`, at (left, top, width, height).
template <class T>
T* Place(TForm1* form, TWinControl* parent, const char* name, int left, int top, int width, int height) {
    T* control = MakeComponent<T>(form);
    control->SetName(name);
    control->SetParent(parent);
    control->SetBounds(left, top, width, height);
    return control;
}

// A label at (left, top) that sizes itself to its text.
TLabel* PlaceLabel(TForm1* form, TWinControl* parent, const char* name, int left, int top,
                   const std::string& caption) {
    TLabel* label = MakeComponent<TLabel>(form);
    label->SetName(name);
    label->SetParent(parent);
    label->SetLeft(left);
    label->SetTop(top);
    label->SetCaption(caption);
    return label;
}

TButton* PlaceButton(TForm1* form, TWinControl* parent, const char* name, int left, int top, int width,
                     int height, const char* caption) {
    TButton* button = Place<TButton>(form, parent, name, left, top, width, height);
    button->SetCaption(caption);
    return button;
}

TTabSheet* AddPage(TForm1* form, TPageControl* pages, const char* name, const char* caption) {
    TTabSheet* page = MakeComponent<TTabSheet>(form);
    page->SetName(name);
    page->SetPageControl(pages);
    page->SetCaption(caption);
    return page;
}

// A group box covering its whole page.
TGroupBox* PlaceGroup(TForm1* form, TTabSheet* page, const char* name, const char* caption) {
    TGroupBox* group = MakeComponent<TGroupBox>(form);
    group->SetName(name);
    group->SetParent(page);
    group->SetAlign(alClient);
    group->SetCaption(caption);
    return group;
}

TMenuItem* AddItem(TForm1* form, TPopupMenu* menu, const char* name, const char* caption) {
    TMenuItem* item = MakeComponent<TMenuItem>(form);
    item->SetName(name);
    item->SetCaption(caption);
    menu->Items()->Add(item);
    return item;
}

// The window font with only its colour changed, for the coloured link labels.
void ColourFont(TControl* control, const TFont& windowFont, TColor colour) {
    control->SetParentFont(false);
    control->Font().Assign(windowFont);
    control->Font().SetColor(colour);
}

}  // namespace

TForm1::TForm1(TComponent* owner) : TForm(owner) {
    // The skin first, as the form stores it: its switches, then its package, read while
    // the form is still loading (so Active is only stored); the form's Loaded() starts it.
    SkinData1 = MakeComponent<TSkinData>(this);
    SkinData1->SetName("SkinData1");
    SkinData1->SetActive(true);
    SkinData1->DisableTag = 99;
    SkinData1->SkinControls = kDefaultSkinControls & ~SkinBit(xcSystemMenu);
    SkinData1->Options = kDefaultSkinOptions;
    {
        TStringList kinds;
        for (const std::string& line : BuiltinClassKinds()) kinds.Add(line);
        SkinData1->SetClassKinds(kinds);
    }
    SkinData1->SetSkinStore("(Good)");  // stored, without effect
    SkinData1->FormScope = sfMainform;
    SkinData1->SetVersion(kSkinDataVersion);
    SkinData1->MenuUpdate = true;
    SkinData1->MenuMerge = false;
    const std::vector<uint8_t> skin = StoredSkinStream();
    SkinData1->ReadSkinStream(skin.data(), skin.size());

    SetName("Form1");

    // The window itself.
    SetLeft(533);  // stored position; the window opens centred on the desktop
    SetTop(312);
    SetCaption("Kelvora");
    SetBorderStyle(bsSingle);
    SetBorderIcons(biSystemMenu | biMinimize);
    SetColor(clBtnFace);
    SetPosition(poDesktopCenter);
    Font().SetName("宋体");
    Font().SetHeight(-12);
    Font().SetColor(clWindowText);
    Font().SetStyle(0);
    Font().SetCharset(ANSI_CHARSET);
    SetClientSize(445, 364);
    Icon().LoadFromResourceId(GetModuleHandleA(nullptr), IDI_KELVORA);
    OnCreate = [this](TObject* s) { FormCreate(s); };
    OnDestroy = [this](TObject* s) { FormDestroy(s); };

    // Banner with the version and the support link drawn over it.
    Image1 = Place<TImage>(this, this, "Image1", 0, 0, 445, 89);
    Image1->SetAlign(alTop);
    Image1->Picture().SetBitmap(LoadBannerPicture());
    Label1 = PlaceLabel(this, this, "Label1", 304, 8, "程序版本:");
    Label1->SetTransparent(true);
    Edit_Softver = Place<TEdit>(this, this, "Edit_Softver", 360, 8, 81, 15);
    Edit_Softver->SetBorderStyle(bsNone);
    Edit_Softver->SetReadOnly(true);
    Edit_Softver->SetText(kShownVersion);
    Edit_Softver->SetEnabled(false);
    Label2 = PlaceLabel(this, this, "Label2", 304, 32, std::string("技术支持: ") + kSupportHost);
    ColourFont(Label2, Font(), clRed);
    Label2->SetCursor(crHandPoint);
    Label2->SetTransparent(true);
    Label2->OnClick = [this](TObject* s) { Label2Click(s); };

    // The pages.
    PageControl1 = Place<TPageControl>(this, this, "PageControl1", 0, 89, 445, 224);
    PageControl1->SetAlign(alTop);
    TabSheet1 = AddPage(this, PageControl1, "TabSheet1", "软件设置");
    TabSheet2 = AddPage(this, PageControl1, "TabSheet2", "自定义管理");
    TabSheet3 = AddPage(this, PageControl1, "TabSheet3", "关于我们");

    // Page 1: the index before and after, the log.
    GroupBox1 = PlaceGroup(this, TabSheet1, "GroupBox1", "系统性能指数 (越小越好)");
    Label3 = PlaceLabel(this, GroupBox1, "Label3", 9, 24, "系统优化前指数:");
    ProgressBar1 = Place<TProgressBar>(this, GroupBox1, "ProgressBar1", 100, 20, 283, 23);
    ProgressBar1->SetRange(0, 100);
    Label5 = PlaceLabel(this, GroupBox1, "Label5", 392, 24, "");
    Label5->SetTransparent(true);
    Label4 = PlaceLabel(this, GroupBox1, "Label4", 9, 55, "系统优化后指数:");
    ProgressBar2 = Place<TProgressBar>(this, GroupBox1, "ProgressBar2", 100, 49, 283, 23);
    ProgressBar2->SetRange(0, 100);
    Label6 = PlaceLabel(this, GroupBox1, "Label6", 392, 55, "");
    Label6->SetTransparent(true);
    Bevel1 = Place<TBevel>(this, GroupBox1, "Bevel1", 8, 70, 417, 9);
    Bevel1->SetShape(bsBottomLine);
    Label11 = PlaceLabel(this, GroupBox1, "Label11", 13, 80, "当系统缓慢、网速缓慢时不妨试试一键优化.");
    Memo_Log = Place<TMemo>(this, GroupBox1, "Memo_Log", 12, 94, 408, 94);
    Memo_Log->SetScrollBars(ssVertical);
    Button_GetMemoryStatus = PlaceButton(this, GroupBox1, "Button_GetMemoryStatus", 256, 0, 75, 25,
                                         "Button_GetMemoryStatus");
    Button_GetMemoryStatus->SetVisible(false);
    Button_GetMemoryStatus->OnClick = [this](TObject* s) { Button_GetMemoryStatusClick(s); };

    // Page 2: the list editor and the working list.
    GroupBox2 = PlaceGroup(this, TabSheet2, "GroupBox2", "残余进程列表");
    Memo_Process = Place<TMemo>(this, GroupBox2, "Memo_Process", 2, 14, 433, 150);
    Memo_Process->SetAlign(alTop);
    Memo_Process->SetScrollBars(ssVertical);
    Memo_Process->OnChange = [this](TObject* s) { Memo_ProcessChange(s); };
    Button_Load = PlaceButton(this, GroupBox2, "Button_Load", 360, 167, 75, 25, "保存");
    Button_Load->OnClick = [this](TObject* s) { Button_LoadClick(s); };
    // Hidden before it is docked: a hidden control keeps its stored bounds.
    ListBox_Process = MakeComponent<TListBox>(this);
    ListBox_Process->SetName("ListBox_Process");
    ListBox_Process->SetVisible(false);
    ListBox_Process->SetParent(GroupBox2);
    ListBox_Process->SetBounds(2, 164, 135, 31);
    ListBox_Process->SetAlign(alLeft);
    ListBox_Process->SetItemHeight(12);
    ListBox_Process->SetSorted(false);

    // Page 3: about.
    GroupBox3 = PlaceGroup(this, TabSheet3, "GroupBox3", "");
    Label7 = PlaceLabel(this, GroupBox3, "Label7", 32, 32, "软件名称: Kelvora");
    Label8 = PlaceLabel(this, GroupBox3, "Label8", 32, 56, std::string("软件官方: ") + kOfficialHost);
    Label8->SetCursor(crHandPoint);
    Label8->OnClick = [this](TObject* s) { Label8Click(s); };
    Label9 = PlaceLabel(this, GroupBox3, "Label9", 32, 80, std::string("联系方式: ") + kContactAddress);
    Label10 = PlaceLabel(this, GroupBox3, "Label10", 32, 104, "反馈问题: 点击反馈信息");
    Label10->SetCursor(crHandPoint);
    Label10->OnClick = [this](TObject* s) { Label10Click(s); };
    // The row of buttons and the shortcut link.
    Label12 = PlaceLabel(this, this, "Label12", 128, 320, "桌面快捷键");
    ColourFont(Label12, Font(), clGreen);
    Label12->SetCursor(crHandPoint);
    Label12->OnClick = [this](TObject* s) { Label12Click(s); };
    Button_Clear = PlaceButton(this, this, "Button_Clear", 216, 314, 75, 25, "一键优化");
    Button_Clear->OnClick = [this](TObject* s) { Button_ClearClick(s); };
    Button2 = PlaceButton(this, this, "Button2", 293, 314, 75, 25, "退出");
    Button2->OnClick = [this](TObject* s) { Button2Click(s); };
    Button1 = PlaceButton(this, this, "Button1", 370, 314, 75, 25, "托盘");
    Button1->OnClick = [this](TObject* s) { Button1Click(s); };

    // Status bar: a 300-pixel panel that stays empty and the list count reaching the edge.
    StatusBar1 = Place<TStatusBar>(this, this, "StatusBar1", 0, 343, 445, 21);
    StatusBar1->SetAlign(alBottom);
    StatusBar1->Panels().Add()->SetWidth(300);
    StatusBar1->Panels().Add()->SetWidth(50);

    // Below the client area, never on screen: the network batch and its button.
    PageControl2 = Place<TPageControl>(this, this, "PageControl2", 8, 384, 425, 249);
    TabSheet4 = AddPage(this, PageControl2, "TabSheet4", "TabSheet4");
    Memo_YouHuaWangLuo = Place<TMemo>(this, TabSheet4, "Memo_YouHuaWangLuo", 256, 8, 105, 153);
    Memo_YouHuaWangLuo->SetScrollBars(ssBoth);
    Memo_YouHuaWangLuo->SetText(kNetworkBatchText);
    Button_ScanNetWork = PlaceButton(this, TabSheet4, "Button_ScanNetWork", 256, 160, 105, 25, "优化网络");
    Button_ScanNetWork->OnClick = [this](TObject* s) { Button_ScanNetWorkClick(s); };
    PageControl2->SetActivePage(TabSheet4);

    // Non-visual components: the tray menu, the tray icon and the timer.
    PopupMenu1 = MakeComponent<TPopupMenu>(this);
    PopupMenu1->SetName("PopupMenu1");
    N3 = AddItem(this, PopupMenu1, "N3", "一键清理");
    N3->OnClick = [this](TObject* s) { N3Click(s); };
    N4 = AddItem(this, PopupMenu1, "N4", "-");
    Aboutme = AddItem(this, PopupMenu1, "Aboutme", "检测更新");
    Aboutme->OnClick = [this](TObject* s) { AboutmeClick(s); };
    N2 = AddItem(this, PopupMenu1, "N2", "-");
    ShowME = AddItem(this, PopupMenu1, "ShowME", "显示窗口");
    ShowME->OnClick = [this](TObject* s) { ShowMEClick(s); };
    HideME = AddItem(this, PopupMenu1, "HideME", "隐藏窗口");
    HideME->OnClick = [this](TObject* s) { HideMEClick(s); };
    N1 = AddItem(this, PopupMenu1, "N1", "-");
    CloseMe = AddItem(this, PopupMenu1, "CloseMe", "退出程序");
    CloseMe->OnClick = [this](TObject* s) { CloseMeClick(s); };

    TrayIcon1 = MakeComponent<TTrayIcon>(this);
    TrayIcon1->SetName("TrayIcon1");
    TIcon trayPicture;  // the program icon at its full 48 x 48
    trayPicture.LoadFromResourceId(GetModuleHandleA(nullptr), IDI_KELVORA, 48, 48);
    TrayIcon1->SetIcon(&trayPicture);
    TrayIcon1->SetIconIndex(0);
    TrayIcon1->SetCycleInterval(0);
    TrayIcon1->SetPopupMenu(PopupMenu1);
    TrayIcon1->OnClick = [this](TObject* s) { TrayIcon1Click(s); };
    TrayIcon1->SetIconVisible(true);

    TimerGet = MakeComponent<TTimer>(this);
    TimerGet->SetName("TimerGet");
    TimerGet->SetInterval(10);
    TimerGet->OnTimer = [this](TObject* s) { TimerGetTimer(s); };
    TimerGet->SetEnabled(true);
}
