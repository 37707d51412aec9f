#pragma once
// The form skinner: takes over the non-client area of one top-level window (a framework
// form or a plain window such as a message box) and draws its border, caption bar,
// caption text, icon and caption buttons from the skin, keeps a window region that
// follows the skin's transparent border pixels, and resizes the window so that its client
// area keeps its size under the skin's border widths.
//
// The skin manager makes one per window it skins (SetWindow, then AttachToForm or
// AttachToWindow) and posts SKINMSG_ATTACHED; the window shows no frame until that
// arrives (activation). The window's messages come through a subclass of the framework's
// hook facility (FrameWndProc); a framework form's own handler is hooked too
// (ControlWindowProc). WM_NCDESTROY detaches everything and marks the skinner finished
// (SkinState 6); the manager then frees it.
//
// Files: SkinForm.cpp (attach, dispatch, non-client size, hit test, activation, detach),
// SkinFormPaint.cpp (frame painting, region, icon), SkinFormButtons.cpp (caption buttons,
// non-client mouse, commands, hints), SkinFormMenus.cpp (menu bar, frame menu items,
// system menu, menu keys).
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/Component.h"
#include "framework/Handles.h"
#include "framework/Messages.h"
#include "framework/WindowHook.h"
#include "skin/data/PixelBuffer.h"
#include "skin/form/FrameLayout.h"
#include "skin/form/FramePainter.h"
#include "skin/form/NcGeometry.h"

class TCustomForm;
class TGdiPaintRenderer;
class TSkinData;
class TTimer;
class TNCObject;
class TCaptionButton;
class TSkinControl;
class TControl;
class TWinControl;
class TSkinMenuBar;
class TMenuBtn;
class TPopupMenu;

enum TSkinState : int {
    ssAttached = 0,   // waiting for SKINMSG_ATTACHED
    ssActive = 1,
    ssApplying = 3,   // applying a new skin
    ssDestroying = 4,
    ssFitting = 5,
    ssDestroyed = 6,  // finished: the manager frees it
};

enum TMdiKind : int { mkNone = 0, mkFrame = 1, mkChild = 2 };

class TSkinForm : public TComponent {
    KELVORA_CLASS(TSkinForm)
public:
    explicit TSkinForm(TComponent* owner);
    ~TSkinForm() override;

    // Set by the skin manager before attaching.
    void SetWindow(HWND window, HMODULE module, const std::string& windowClassName);
    void AttachToForm(TSkinData* skinData, TCustomForm* form);
    void AttachToWindow(TSkinData* skinData);
    // Gives the window back its system frame, size and shape (skinning switched off).
    void Detach();
    // The skin data loaded a new skin: new caption buttons and frame sizes, then refresh.
    void Reload();
    void SkinChangedRefresh();
    // Marks the skinner finished so that the manager's next purge frees it.
    void MarkFinished() { SkinState = ssDestroyed; }

    // Painting (SkinFormPaint.cpp).
    void PaintFrame(HDC dc);  // dc null: the window DC
    void BuildRegion();
    void RebuildIconBitmap();
    // The icon the caption shows: the window's small (else big) icon, else its owner's.
    HICON CaptionIcon() const;

    LRESULT CallPrevious(UINT message, WPARAM wParam, LPARAM lParam);
    // The frame's state as the portable layout and painters take it.
    TFrameState FrameState() const;
    // Screen point to window coordinates (client origin plus the frame).
    POINT ToWindowPoint(int screenX, int screenY) const;

    // How many times a window region was made (it is kept while the size stays).
    int RegionBuilds() const { return regionBuilds_; }
    // How many times the frame picture was composed (a repaint of an unchanged frame
    // copies the last one).
    int FrameCompositions() const { return frameCompositions_; }
    // Drops the kept frame pictures: the next paint composes the frame anew.
    void ForgetPictures() { pictures_[0].valid = pictures_[1].valid = false; }
    // The non-client widths.
    TNcFrame NcFrame() const { return {FrameLeft, FrameTop, FrameRight, FrameBottom, MenuBarHeight}; }

    HWND WindowHandle() const { return windowHandle_; }
    TSkinData* SkinData() const { return skinData_; }
    TCustomForm* FormControl() const;
    bool Attached() const { return subclass_.Active(); }

    // State (names of the skinning design; read by the caption buttons and tests).
    TSkinState SkinState = ssAttached;
    bool FrameSkinned = false;
    bool IsActive = true;
    TShowState ShowState = TShowState::Normal;
    TBorderKind BorderKind = TBorderKind::Single;
    TMdiKind MdiKind = mkNone;
    unsigned CaptionIcons = 0;  // TCaptionIcon bits, 0x10: keep the system-menu style
    bool RightToLeft = false;
    bool Sizeable = false;
    bool UnicodeWindow = false;
    bool IsDialogClass = false;
    bool IsChildStyle = false;
    bool MenuTracking = false;
    int FrameLeft = 0, FrameTop = 0, FrameRight = 0, FrameBottom = 0;
    int MenuBarHeight = 0;
    RECT ClientRect{};       // client size at activation and at each fit
    SIZE SystemFrameSize{};  // window size minus client size at activation
    RECT WindowRect{};       // screen rectangle, read before each paint
    SIZE WindowSize{};       // at the last paint
    SIZE RegionSize{};       // the size the region was built for
    RECT TextRect{};         // caption text as last drawn
    RECT TextBoxRect{};      // the same with its background margins
    int RightButtonsWidth = 0;
    int TitleTextWidth = 0;
    HMENU SystemMenu = nullptr;
    HMENU FormMenu = nullptr;
    HMENU TrackedMenu = nullptr;
    HWND MdiClientWnd = nullptr;
    LONG_PTR WindowStyle = 0;
    std::string WndClassName;     // GetClassNameA, at most 100 characters
    std::string WindowClassName;  // as the manager read it; aName of the skin data's events
    uint8_t Initialised = 0;
    PixelBuffer IconBitmap;  // the window's small icon on magenta
    int IconSize = 16;
    HICON WindowIcon = nullptr;  // not owned

    // Control skinners (SkinFormControls.cpp): every skinner of the window's controls, in
    // the order attached. A skinner registers itself when it attaches and unregisters when
    // it is freed; the list never holds a freed one.
    void RegisterSkinner(TSkinControl* skinner);
    void UnregisterSkinner(TSkinControl* skinner);
    const std::vector<TSkinControl*>& Skinners() const { return skinners_; }
    TSkinControl* FindSkinner(HWND window) const;
    TSkinControl* FindSkinnerOf(const TControl* control) const;
    // Gives the controls their skinners (the classification's passes); at activation.
    void SkinChildControls();
    // Frees every skinner, detaching each first unless its window is gone.
    void FreeSkinners();
    // Frees the skinners whose window was destroyed (State 6).
    void FreeFinishedSkinners();
    // SKINMSG_RESKINCONTROL: a new scroll skinner for the control whose window is given.
    void ReskinControl(HWND window);
    // CM_WNDCREATED: a control of the form got a (new) window; it gets a skinner unless one
    // has it. Skinners whose window is gone are freed first.
    void ControlWindowCreated(TWinControl* control);

    // Caption buttons (SkinFormButtons.cpp): one per SysButtons record, same order.
    std::vector<std::unique_ptr<TCaptionButton>> CaptionButtons;
    TNCObject* HotObject = nullptr;  // the button under the mouse or pressed
    DWORD LastRightPressTick = 0;
    UINT DoubleClickTime = 0;
    void BuildCaptionButtons();
    // The first visible caption button with an action whose bounds hold the point
    // (window coordinates), or null.
    TNCObject* HitTestButtons(POINT windowPoint) const;
    bool ButtonVisible(size_t index);
    void ButtonAction(int x, int y);
    void MaximizeToggle();
    void MinimizeToggle();
    void RestoreWindow();
    // Opens the window's system menu at the screen point (the system's own menu until the
    // skinned one exists); a second right press within the double-click time does not.
    void ShowSystemMenu(POINT screenPoint);
    // Repaints one button in its current state straight on the window.
    void PaintButtonState(TCaptionButton& button);
    void OnPollTimer();
    // Non-client mouse and commands; each returns true when it consumed the message.
    bool NcMouseMove(TMessage& m);
    bool NcLButtonDown(TMessage& m);
    bool NcLButtonUp(TMessage& m);
    bool NcLButtonDblClk(TMessage& m);
    bool NcRButtonDown(TMessage& m);
    bool SysCommand(TMessage& m);
    bool Command(TMessage& m);
    void FreeCaptionButtons();
    // Menus (SkinFormMenus.cpp). The skinned menu bar (null when the window has no menu)
    // and the skinned system menu (null until first opened), both owned by this object.
    TSkinMenuBar* MenuBarSkinner = nullptr;
    TPopupMenu* SkinnedSystemMenu = nullptr;
    static constexpr int kSystemMenuTag = 33333;
    // A popup menu of our own with the window's system-menu commands in the window's
    // present state; choosing one posts WM_SYSCOMMAND with it.
    void BuildSkinnedSystemMenu();
    // Opens a bar button's popup below it; the arrows and the mouse may move on to the
    // other buttons' popups until the menu mode ends.
    void OpenMenuBarButton(TMenuBtn* button);
    // An MDI frame with a skinned menu bar whose active child is maximised: the child's
    // buttons (Visibility 100) show in the menu-bar row and act on that child.
    bool MdiChildButtonsShown() const;
    // PaintFrame hands each new layout over: the buttons take their bounds, visibility and
    // enabled state from it.
    void ButtonsLaidOut(const TFrameLayout& layout);
    // The states the layout draws the buttons with (TFrameState::buttonStates): only the
    // hot or pressed button shows other than normal.
    std::vector<TButtonState> ButtonStates() const;

private:
    // Caption buttons: helpers (SkinFormButtons.cpp).
    void StopPollTimer();
    void HideButtonHint();
    void SendToActiveChild(UINT command);
    void TrackSystemMenu(POINT at);
    HMENU WindowSystemMenu() const;
    // Menus (SkinFormMenus.cpp).
    void CreateMenuBar();
    void FreeMenuBar(bool giveMenuBack);
    void TakeOverNewMenuBar();
    void MenuBarChanged();
    void MenuKey(TMessage& m);
    bool KeyMenu(TMessage& m);  // SC_KEYMENU with an accelerator or none
    void DialogChar(TMessage& m, const TWndMethod& next);
    // Items of a bar popup that the window did not make owner-drawn itself are made so
    // while the popup is open, and measured and drawn here from their text and state.
    struct TOwnerDrawnItem {
        HMENU menu = nullptr;
        UINT position = 0;
        UINT id = 0;
        ULONG_PTR data = 0;
        UINT type = 0;  // the item's type before, given back when the popup closes
        std::string text;
        bool measured = false;
    };
    void MarkOwnerDrawn(HMENU menu);
    void UnmarkOwnerDrawn();
    bool MeasureMenuItem(TMessage& m);
    bool DrawMenuItem(TMessage& m);
    void MdiSetMenu(TMessage& m, const TWndMethod& next);

    void InitFrame(TSkinData* skinData);
    void ComputeFrameSizes();
    void Activate();  // SKINMSG_ATTACHED
    void FitWindowToClient(bool useClientRect, bool redraw = true);
    void FitThenShape(bool shape);
    void StripSysMenuStyle(bool strip);
    void DetachOnDestroy();
    void ReadShowState();
    void FrameWndProc(TMessage& m, const TWndMethod& next);
    bool Stage1(TMessage& m);
    bool Stage2(TMessage& m);
    bool Stage3(TMessage& m);
    void Previous(TMessage& m);
    void SizeHandler(TMessage& m);
    void NcCalcSize(TMessage& m);
    void NcHitTest(TMessage& m);
    void NcPaint(TMessage& m);
    void NcActivate(TMessage& m);
    void EraseBackground(TMessage& m);
    void ControlColour(TMessage& m);
    void InitMenuPopup(TMessage& m);
    void AnswerQuery(TMessage& m);
    void MenuChanged(TMessage& m);
    void SetIcon(TMessage& m);
    void ControlWindowProc(TMessage& m, const TWndMethod& next);
    void SetText(TMessage& m, const TWndMethod& next);
    void PrintFrame(TMessage& m);
    void MdiClientProc(TMessage& m, const TWndMethod& next);
    void AdoptMdiChildForm();
    void Announce();
    void UnhookForm();
    void RestoreFormColour();
    // Painting helpers (SkinFormPaint.cpp).
    void MakePaintTools();
    std::string WindowText() const;
    int CaptionTextWidth();

    HWND windowHandle_ = nullptr;
    HMODULE moduleHandle_ = nullptr;
    TSkinData* skinData_ = nullptr;
    TComponentRef<TCustomForm> formControl_;
    TWindowSubclass subclass_;          // FrameWndProc on the window
    TWindowSubclass mdiClientSubclass_; // MdiClientProc on an MDI frame's client
    THookToken controlHook_ = 0;        // ControlWindowProc on the form's WindowProc
    TUnowned<TTimer> pollTimer_;        // 250 ms, while active
    TColour savedFormColor_ = 0;
    bool visibilityRemoved_ = false;
    HWND ownerWindow_ = nullptr;
    bool savedMenuUpdate_ = true;
    // The procedure under this hook for the message being handled (innermost call).
    const TWndMethod* currentNext_ = nullptr;
    // Kept across paints: the caption font and the renderer that measures and draws with
    // it (and holds the window icon, which is not ours).
    FontHandle titleFont_;
    std::unique_ptr<TGdiPaintRenderer> renderer_;
    int regionBuilds_ = 0;
    // The frame last composed in the active and in the inactive look, with the state each
    // shows: a repaint of an unchanged frame, also after an activation change, is one copy.
    // Not kept for skins whose buttons ask the window whether they show.
    struct TPictureSlot {
        TFramePicture picture;
        TFrameState state;
        bool valid = false;
    };
    TPictureSlot pictures_[2];  // [0] active, [1] inactive
    bool pictureCacheable_ = true;
    int frameCompositions_ = 0;
    std::vector<TSkinControl*> skinners_;  // not owned here: see SkinFormControls.cpp
    std::vector<TOwnerDrawnItem> ownerDrawn_;
};
