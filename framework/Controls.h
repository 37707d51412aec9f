#pragma once
// Controls: TControl (bounds, Align, Visible, Enabled, Color, Font, caption, cursor, click,
// the replaceable WindowProc), TWinControl (a window made on demand, children, tab order,
// focus), TGraphicControl (no window: painted by its parent) and TCustomControl (a window
// of the framework's own class, painted off-screen with its graphic children).
//
// Message flow: the window procedure of every framework window finds the control (window
// property ControlAtom()) and calls control->WindowProc(message). WindowProc starts as
// the control's hook chain (HookWindowProc, newest first) ending in its virtual WndProc;
// anyone may also save WindowProc and put a function in front (call the saved one to pass
// a message on). WndProc ends in DefaultHandler: the original class procedure for a
// standard control, DefWindowProcA for the framework's own windows. Every dispatch runs
// inside try/catch; framework errors go to Application->HandleException.
//
// Window lifetime: after WM_NCDESTROY has gone through a control, its hooks are taken off
// and their owners told; once a control has a (new) window, CM_WNDCREATED goes to the
// window of its topmost parent.
#include "framework/Component.h"
#include "framework/Graphics.h"
#include "framework/Handles.h"
#include "framework/HookChain.h"
#include "framework/Messages.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TWinControl;
class TCustomForm;

enum TAlign : uint8_t { alNone, alTop, alBottom, alLeft, alRight, alClient };
// Border styles of forms; edits, memos and list boxes use only bsNone and bsSingle.
enum TFormBorderStyle : uint8_t { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
using TBorderStyle = TFormBorderStyle;
enum TBiDiMode : uint8_t { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };
enum TMouseButton : uint8_t { mbLeft, mbRight, mbMiddle };
enum TShiftStateBit : uint8_t { ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32, ssDouble = 64 };
using TShiftState = uint8_t;  // bit set of TShiftStateBit
TShiftState KeysToShiftState(uintptr_t keys);  // MK_* flags (and the Alt key state)

using TCursor = int;
constexpr TCursor crDefault = 0, crNone = -1, crArrow = -2, crCross = -3, crIBeam = -4, crSizeNESW = -6,
                  crSizeNS = -7, crSizeNWSE = -8, crSizeWE = -9, crUpArrow = -10, crHourGlass = -11,
                  crNo = -18, crAppStart = -19, crHelp = -20, crHandPoint = -21, crSizeAll = -22;
HCURSOR CursorHandle(TCursor cursor);  // nullptr for crDefault

using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TKeyEvent = std::function<void(TObject* Sender, uint16_t& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject* Sender, char& Key)>;

// The global atom "ControlOfs%.8X%.8X" (module instance, thread id) naming the window
// property that holds the control pointer of every framework window.
ATOM ControlAtom();
// The framework control of a window, or nullptr. A control's window carries it in the
// ControlAtom property and in an in-process table that FindControl reads.
TWinControl* FindControl(HWND wnd);
void RegisterControlWindow(HWND wnd, TWinControl* control);  // both, when a window is attached
void UnregisterControlWindow(HWND wnd);                      // both, when it is detached
// Runs one dispatch with the framework's error handling: an exception escaping `body`
// goes to Application->HandleException and the caller goes on.
void GuardedDispatch(const std::function<void()>& body);

class TControl : public TComponent {
    KELVORA_CLASS(TControl)
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    // The replaceable message handler (see the top of this file).
    TWndMethod WindowProc;
    // Puts `proc` in front of the control's messages (see HookChain.h); removable in any
    // order. A windowed control takes its hooks off after WM_NCDESTROY and runs onDetached.
    THookToken HookWindowProc(THookProc proc, TDetachedEvent onDetached = {});
    bool UnhookWindowProc(THookToken token);
    bool WindowProcHooked(THookToken token) const { return hooks_.Contains(token); }
    // Sends a message straight to WindowProc and returns its Result.
    intptr_t Perform(uint32_t msg, uintptr_t wParam = 0, intptr_t lParam = 0);

    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);
    TWinControl* GetParentObject() const { return parent_; }

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
    void SetTop(int v) { SetBounds(left_, v, width_, height_); }
    void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
    void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
    virtual void SetBounds(int left, int top, int width, int height);
    RECT BoundsRect() const { return RECT{left_, top_, left_ + width_, top_ + height_}; }
    // The client area in the control's own coordinates.
    virtual RECT ClientRect() const;
    int ClientWidth() const;
    int ClientHeight() const;
    void SetClientWidth(int v);
    void SetClientHeight(int v);
    virtual void SetClientSize(int width, int height);
    POINT ClientToScreen(POINT p) const;
    POINT ScreenToClient(POINT p) const;
    // The client-area origin in screen coordinates.
    virtual POINT ClientOrigin() const;

    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible, and every parent up to a top-level window too.
    bool Showing() const;
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    TColor Color() const { return color_; }
    void SetColor(TColor color);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool v);

    TFont& Font() { return font_; }
    const TFont& Font() const { return font_; }
    TFont* FontObject() const { return const_cast<TFont*>(&font_); }
    void SetFontObject(TFont* font) { if (font) font_.Assign(*font); }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool v);

    std::string Caption() const { return GetText(); }
    void SetCaption(const std::string& s) { SetText(s); }
    std::string Text() const { return GetText(); }
    // Changes the text only if it differs; then CM_TEXTCHANGED.
    void SetText(const std::string& s);
    std::wstring WideCaption() const;
    void SetWideCaption(const std::wstring& s);

    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor);
    std::string Hint() const { return hint_; }
    void SetHint(const std::string& s) { hint_ = s; }
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool v) { showHint_ = v; }

    TBiDiMode BiDiMode() const { return biDiMode_; }
    void SetBiDiMode(TBiDiMode mode);
    bool UseRightToLeftReading() const { return biDiMode_ != bdLeftToRight; }
    bool UseRightToLeftAlignment() const { return biDiMode_ == bdRightToLeft; }

    // Runs OnClick (virtual so buttons and menu-like controls can add to it).
    virtual void Click();
    virtual void DblClick();
    // Mouse events as the framework raises them (skinners that swallow a press call this).
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);

    virtual void Invalidate();
    virtual void Update();
    void Repaint() { Invalidate(); Update(); }
    void Refresh() { Repaint(); }
    void BringToFront();
    void SendToBack();

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TNotifyEvent OnResize;

protected:
    // The control's own handling; ends in DefaultHandler.
    virtual void WndProc(TMessage& message);
    virtual void DefaultHandler(TMessage& message);
    virtual std::string GetText() const { return text_; }
    virtual void SetTextBuf(const std::string& s);
    // Runs after the bounds changed (the window, if any, is already moved).
    virtual void BoundsChanged();
    virtual void FontChanged();
    virtual void ColorChanged();
    virtual void VisibleChanging() {}
    void RequestAlign();
    // Records a visibility the window already has (no window calls, no notifications).
    void SetVisibleFlag(bool visible) { visible_ = visible; }
    // The parent's colour/font flowed down (ParentColor / ParentFont).
    void TakeParentColor();
    void TakeParentFont();

    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    std::string text_;
    bool clicked_ = false;  // a left press started on this control

    friend class TWinControl;

private:
    void HandleMouseMessage(TMessage& m);
    THookChain hooks_;
    TWndMethod ownProc_;  // WndProc, the end of the hook chain
    TWinControl* parent_ = nullptr;
    TAlign align_ = alNone;
    bool visible_ = true;
    bool enabled_ = true;
    TColor color_ = clWindow;
    bool parentColor_ = false;
    TFont font_;
    bool parentFont_ = true;
    bool fontFromParent_ = false;
    TCursor cursor_ = crDefault;
    std::string hint_;
    bool showHint_ = false;
    TBiDiMode biDiMode_ = bdLeftToRight;
};

// What CreateParams fills in before the window is made.
struct TCreateParams {
    std::string Caption;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    int X = 0, Y = 0, Width = 0, Height = 0;
    HWND WndParent = nullptr;
    // A standard window class to create and subclass ("BUTTON", "EDIT", ...); empty for the
    // framework's own class, registered under WinClassName.
    std::string StandardClass;
    std::string WinClassName;
    UINT ClassStyle = CS_DBLCLKS;
    HMENU Menu = nullptr;  // child id or menu
};

class TWinControl : public TControl {
    KELVORA_CLASS(TWinControl)
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    // The window, made now if it does not exist yet (with the parent's window first).
    HWND Handle();
    HWND HandleIfAllocated() const { return handle_; }
    bool HandleAllocated() const { return handle_ != nullptr; }
    void HandleNeeded() { Handle(); }
    // Destroys and re-creates the window (after a style change); CM_RECREATEWND first.
    void RecreateWnd();
    // A window of no framework control to make this control's window a child of, for a
    // control without a Parent (an overlay beside a window the framework does not own).
    void SetParentWindow(HWND parent);
    HWND ParentWindow() const { return parentWindow_; }
    void DestroyHandle();

    // Children: every control whose Parent is this one, in z-order of insertion.
    int ControlCount() const { return static_cast<int>(controls_.size()); }
    TControl* Controls(int index) const { return controls_.at(static_cast<size_t>(index)); }
    bool ContainsControl(const TControl* control) const;
    // The topmost visible, enabled graphic child at a client point (or any child when
    // allowWindowed), nullptr when none.
    TControl* ControlAtPos(POINT p, bool allowDisabled = false, bool allowWindowed = false) const;
    // Perform on every child.
    void Broadcast(TMessage& message);

    int TabOrder() const;
    void SetTabOrder(int order);
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool v);
    // Windowed controls in tab order, nested ones after their container.
    void GetTabOrderList(std::vector<TWinControl*>& list) const;
    // Moves the focus to the next (or previous) tab stop inside this control.
    void SelectNext(TWinControl* current, bool forward, bool checkTabStop);

    bool Focused() const;
    virtual bool CanFocus() const;
    virtual void SetFocus();

    bool ParentBackground() const { return parentBackground_; }
    void SetParentBackground(bool v);

    RECT ClientRect() const override;
    POINT ClientOrigin() const override;
    void SetBounds(int left, int top, int width, int height) override;
    void Invalidate() override;
    void Update() override;
    // Re-runs the alignment of the children (also after the client area changed).
    void Realign();
    // Paints the graphic children into a DC whose origin is this control's client origin.
    void PaintControls(HDC dc, const RECT* clip = nullptr);

    // The window procedure installed on a standard window class before subclassing.
    WNDPROC DefWndProc() const { return defWndProc_; }
    // A brush of the control's Color for WM_CTLCOLOR* answers (owned).
    HBRUSH ColorBrush();

    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;

protected:
    void WndProc(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;
    virtual void CreateParams(TCreateParams& params);
    virtual void CreateWnd();
    // After the window exists: fonts, texts, ranges, items are pushed to it here.
    virtual void CreateHandleDone() {}
    // Before the window goes: state that lives in the window is saved here.
    virtual void DestroyWnd();
    // The area children align in (client rect minus frames, captions, tabs).
    virtual void AdjustClientRect(RECT& rect);
    virtual void AlignControls(RECT rect);
    std::string GetText() const override;
    void SetTextBuf(const std::string& s) override;
    void BoundsChanged() override;
    void FontChanged() override;
    void ColorChanged() override;
    // Windowed children get CM_*; the framework's answers to WM_CTLCOLOR*.
    virtual void CtlColor(TMessage& m);
    virtual void UpdateWindowState();  // pushes Visible/Enabled to the window
    // True while CreateWindowEx for this control runs.
    bool Creating() const { return creating_; }
    // Takes the window down while the control is still whole.
    void BeforeDestruction() override;
    // Runs when the outermost message to this control's window has returned.
    virtual void DispatchDone() {}
    // True while a message to this control's window is being handled.
    bool InDispatch() const { return dispatchDepth_ > 0; }

private:
    friend class TControl;
    friend LRESULT CALLBACK FrameworkWndProc(HWND, UINT, WPARAM, LPARAM);
    friend LRESULT CALLBACK FrameworkInitWndProc(HWND, UINT, WPARAM, LPARAM);
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    void CreateChildHandles();
    void AttachWindow(HWND wnd);
    void DetachWindow();
    void WindowDestroyed(HWND wnd);
    void AnnounceWindow();
    bool ReflectToChild(TMessage& m);
    void TrackMouse(TMessage& m);

    HWND handle_ = nullptr;  // owned through DestroyHandle
    HWND parentWindow_ = nullptr;  // not owned; used only without a Parent
    WNDPROC defWndProc_ = nullptr;
    std::vector<TControl*> controls_;   // children, not owned (the Owner frees them)
    std::vector<TWinControl*> tabList_; // windowed children in tab order
    bool tabStop_ = false;
    bool parentBackground_ = false;
    bool aligning_ = false;
    bool creating_ = false;
    int dispatchDepth_ = 0;  // messages to the window now being handled (nested)
    BrushHandle colorBrush_;
    TColor colorBrushColor_ = 0;
    TControl* pressedControl_ = nullptr;  // graphic child that received the left press
};

// No window: the parent paints it (after its own background) and routes the mouse to it.
class TGraphicControl : public TControl {
    KELVORA_CLASS(TGraphicControl)
public:
    explicit TGraphicControl(TComponent* owner);
    ~TGraphicControl() override;
    // Draws the control; the canvas origin is the control's top-left corner, clipped to it.
    virtual void Paint(TCanvas& canvas) {}
    void Invalidate() override;

protected:
    void WndProc(TMessage& message) override;
};

// A window of the framework's own class that paints itself off-screen: background (Color),
// Paint, then the graphic children, then one blit.
class TCustomControl : public TWinControl {
    KELVORA_CLASS(TCustomControl)
public:
    explicit TCustomControl(TComponent* owner);
    ~TCustomControl() override;
    // Draws the control's own face after the background; the canvas covers the client area.
    virtual void Paint(TCanvas& canvas) {}

protected:
    void WndProc(TMessage& message) override;
    void CreateParams(TCreateParams& params) override;
    // Fills the client area with Color (or the parent's look when ParentBackground).
    virtual void PaintBackground(TCanvas& canvas, const RECT& rect);
    void PaintWindowTo(HDC target, const RECT& update);

private:
    PixelBuffer buffer_;  // off-screen composition, re-made when the size changes
};

// The form a control sits on (walking parents), nullptr when none.
TCustomForm* GetParentForm(const TControl* control);
