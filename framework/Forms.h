#pragma once
// Forms, the application object (global `Application`) and the screen (global `Screen`).
//
//   int main() {                                  // WinMain of the program
//       Application->Initialize();                // CoInitialize(NULL)
//       Application->SetTitle("Kelvora");
//       Application->CreateForm<TForm1>();        // first form = MainForm
//       Application->Run();                       // loop until the main form closes,
//   }                                             // then forms freed, COM uninitialised
#include "framework/Controls.h"
#include "framework/Menus.h"
#include "framework/StdCtrls.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

enum TBorderIcon : uint8_t { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
using TBorderIcons = uint8_t;  // bit set of TBorderIcon
enum TPosition : uint8_t {
    poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter,
    poMainFormCenter, poOwnerFormCenter
};
enum TFormStyle : uint8_t { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum TWindowState : uint8_t { wsNormal, wsMinimized, wsMaximized };
enum TCloseAction : uint8_t { caNone, caHide, caFree, caMinimize };

using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;

// A top-level window of the framework's own class (the window class name is the form's
// class name), owned by the application window so that the taskbar button is the
// application's. Layout is built in the constructor of the derived form; OnCreate runs
// once it is complete (CreateForm or MakeComponent), OnDestroy before the form is freed.
class TCustomForm : public TCustomControl {
    KELVORA_CLASS(TCustomForm)
public:
    explicit TCustomForm(TComponent* owner);
    ~TCustomForm() override;

    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle v);
    TBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TBorderIcons v);
    TPosition Position() const { return position_; }
    void SetPosition(TPosition v) { position_ = v; }
    TFormStyle FormStyle() const { return formStyle_; }
    void SetFormStyle(TFormStyle v);
    TWindowState WindowState() const;
    void SetWindowState(TWindowState v);
    TIcon& Icon() { return icon_; }
    TIcon* IconObject() const { return const_cast<TIcon*>(&icon_); }
    TMainMenu* Menu() const { return menu_; }
    void SetMenu(TMainMenu* menu);
    bool AutoScroll() const { return autoScroll_; }
    void SetAutoScroll(bool v) { autoScroll_ = v; }
    bool KeyPreview() const { return keyPreview_; }
    void SetKeyPreview(bool v) { keyPreview_ = v; }
    int PixelsPerInch() const { return 96; }

    TWinControl* ActiveControl() const { return activeControl_; }
    void SetActiveControl(TWinControl* control);
    // Records the focused control of this form and broadcasts CM_FOCUSCHANGED.
    void FocusControl(TWinControl* control);
    bool Active() const { return active_; }
    // An MDI frame (fsMDIForm): the "MDIClient" window its MDI children live in, made
    // with the frame's window and destroyed with it; null for other forms.
    HWND ClientHandle() const { return mdiClient_; }

    // Shows (Visible := true) and brings the form to the front.
    void ShowForm();
    // Asks OnCloseQuery, then OnClose; the main form's close ends the application.
    void Close();
    // Frees the form once the messages now waiting are handled (posts CM_RELEASE).
    void Release();
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int v) { modalResult_ = v; }

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;

    void AfterConstruction() override;
    void BeforeDestruction() override;
    void Notification(TComponent* component, TOperation operation) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleDone() override;
    void DestroyWnd() override;
    void WndProc(TMessage& message) override;
    // An MDI frame ends in DefFrameProc (its children's window class in DefMDIChildProc).
    void DefaultHandler(TMessage& message) override;
    void DispatchDone() override;
    // Showing creates the window, places it (Position) and activates it.
    void UpdateWindowState() override;
    virtual void DoCreate();
    virtual void DoDestroy();
    virtual bool CloseQuery();
    void PlaceOnShow();

private:
    TFormBorderStyle borderStyle_ = bsSizeable;
    TBorderIcons borderIcons_ = biSystemMenu | biMinimize | biMaximize;
    TPosition position_ = poDesigned;
    TFormStyle formStyle_ = fsNormal;
    TWindowState windowState_ = wsNormal;
    TIcon icon_;
    TMainMenu* menu_ = nullptr;  // not owned
    bool autoScroll_ = false;
    bool keyPreview_ = false;
    TWinControl* activeControl_ = nullptr;  // not owned
    bool active_ = false;
    bool releasePending_ = false;  // CM_RELEASE came; freed when its dispatch returns
    bool placed_ = false;
    int modalResult_ = 0;
    HWND mdiClient_ = nullptr;  // a child window of the frame: not owned here
};

class TForm : public TCustomForm {
    KELVORA_CLASS(TForm)
public:
    explicit TForm(TComponent* owner);
};

class TScreen : public TComponent {
    KELVORA_CLASS(TScreen)
public:
    explicit TScreen(TComponent* owner);
    int FormCount() const { return static_cast<int>(forms_.size()); }
    TCustomForm* Forms(int index) const { return forms_.at(static_cast<size_t>(index)); }
    TCustomForm* ActiveForm() const;
    TWinControl* ActiveControl() const;
    int Width() const;
    int Height() const;
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor c);  // crDefault: each control's own cursor

private:
    friend class TCustomForm;
    void AddForm(TCustomForm* form);
    void RemoveForm(TCustomForm* form);
    std::vector<TCustomForm*> forms_;  // not owned
    TCursor cursor_ = crDefault;
};

// The application: a hidden top-level window (class "TApplication") with the title, which
// carries the taskbar button; the forms it owns; the message loop; the error box.
class TApplication : public TComponent {
    KELVORA_CLASS(TApplication)
public:
    // Sees the application window's messages first; true = handled (not passed on).
    using TWindowHook = std::function<bool(TMessage&)>;
    // Shows an error text; the default is MessageBoxA(owner, text, title, flags).
    using TErrorBox = std::function<int(HWND owner, const std::string& text, const std::string& title,
                                        unsigned flags)>;
    using TExceptionEvent = std::function<void(TObject* Sender, const std::exception& E)>;

    explicit TApplication(TComponent* owner);
    ~TApplication() override;

    // CoInitialize(NULL); CoUninitialize at the end of Run (or the destructor) when it succeeded.
    void Initialize();
    std::string Title() const { return title_; }
    void SetTitle(const std::string& title);
    HWND Handle();  // the application window, made on first use
    TCustomForm* MainForm() const { return mainForm_; }

    // Makes a form owned by the application; the first one becomes MainForm.
    // Errors of the form's OnCreate are shown in the error box and creation goes on.
    template <class T, class... Args>
    T* CreateForm(Args&&... args) {
        T* form = MakeComponent<T>(this, std::forward<Args>(args)...);
        if (!mainForm_) mainForm_ = form;
        return form;
    }
    // Shows the main form (when ShowMainForm) and runs the loop until Terminate; then frees the
    // forms (their OnDestroy runs) and uninitialises COM.
    void Run();
    // Handles every message waiting in the queue, then returns.
    void ProcessMessages();
    // The same for pumps that run often: looks at the queue first (under Wine a PeekMessage
    // that finds nothing gives up the processor), and does not look at all the first time
    // inside the main loop's dispatch of a timer message, as GetMessage hands out a timer
    // message only when nothing else waits. Inside a menu's loop it leaves the menu's input
    // to the menu.
    void ProcessWaitingMessages();
    // Waits for one message and handles it.
    void HandleMessage();
    void Terminate();
    bool Terminated() const { return terminated_; }
    bool ShowMainForm() const { return showMainForm_; }
    void SetShowMainForm(bool v) { showMainForm_ = v; }

    // Runs when the application finishes (end of Run, or its destruction), newest first,
    // before any form or window is destroyed: subsystems that hook the forms (the skin
    // manager) tear down here. Returns a cookie for RemoveFinishHandler.
    int AddFinishHandler(std::function<void()> handler);
    void RemoveFinishHandler(int cookie);

    // Hooks see the application window's messages first, newest last; returns a cookie.
    int HookMainWindow(TWindowHook hook);
    void UnhookMainWindow(int cookie);

    // Shows the error in the error box (or raises OnException); the program carries on.
    void HandleException(const std::exception& e);
    void ShowException(const std::exception& e);
    int MessageBox(const std::string& text, const std::string& caption, unsigned flags);
    // Replaces the error box (tests intercept it); an empty function restores MessageBoxA.
    void SetErrorBox(TErrorBox box);
    TExceptionEvent OnException;

    void Minimize();
    void Restore();
    // True while Minimize/Restore hide or show the forms with the application window.
    bool MovingForms() const { return movingForms_; }
    HWND ActiveFormHandle() const;
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TCustomForm;
    static LRESULT CALLBACK AppWndProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);
    void WndProc(TMessage& m);
    bool ProcessMessage(MSG& msg);
    void DispatchQueued(MSG& msg);  // a message taken off the queue: quit, dialog key or dispatch
    bool IsDialogKey(MSG& msg);
    void MainFormShown();
    void Finish();

    std::string title_;
    WindowHandle handle_;
    TCustomForm* mainForm_ = nullptr;  // owned as a component
    bool terminated_ = false;
    bool queueSeenEmpty_ = false;  // see ProcessWaitingMessages
    bool showMainForm_ = true;
    bool comInitialized_ = false;
    bool appWindowShown_ = false;
    bool movingForms_ = false;
    std::vector<std::pair<int, TWindowHook>> hooks_;
    int nextHook_ = 1;
    std::vector<std::pair<int, std::function<void()>>> finishHandlers_;
    TErrorBox errorBox_;
};

// The global application and screen objects (made on first use).
struct TApplicationRef {
    TApplication* operator->() const;
    TApplication& operator*() const;
    operator TApplication*() const;
};
struct TScreenRef {
    TScreen* operator->() const;
    TScreen& operator*() const;
    operator TScreen*() const;
};
extern const TApplicationRef Application;
extern const TScreenRef Screen;
