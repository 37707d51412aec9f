#pragma once
// The base of every control skinner: one standard window (a button, a memo, a scroll bar
// control...) keeps its own behaviour while the skinner sees each of its messages first,
// lets the window's own procedure run and paints the skin over the result, or takes a
// message over entirely (presses on buttons, background erasing).
//
// A skinner is a component owned by the framework control it skins (Attach) or, for a
// window without a framework object, by the form skinner (AttachWindow). The form skinner
// keeps every skinner of its window's controls in its list (RegisterSkinner) and frees
// them; a skinner whose window got WM_NCDESTROY is finished (State 6) and waits there for
// the form skinner to free it.
//
// Messages come through the framework's one hook facility: a hook on the control's
// WindowProc, or a subclass of the bare window. Freeing the skinner takes exactly its own
// hook off, whatever hooks came before or after it.
//
// Dispatch of every message (SkinnerWndProc):
//   1. SKINMSG_ENABLE: SkinActive := wParam > 0; repaint when it became active. Not passed on.
//   2. SkinActive 0: straight to the window's own procedure.
//   3. BeforeMessage true: the window's own procedure (CallOldProc), then AfterMessage;
//      false: the skinner handled the message and set its Result.
#include <windows.h>

#include <cstdint>
#include <string>

#include "framework/Component.h"
#include "framework/HookChain.h"
#include "framework/Messages.h"
#include "framework/WindowHook.h"
#include "skin/data/Colour.h"

class TCanvas;
class TControl;
class TWinControl;
class TSkinData;
class TSkinForm;
class TDataSkinObject;

enum TSkinMouseState : uint8_t { msHot = 1, msPressed = 2 };

// Life of a skinner (State).
enum TSkinnerState : int32_t {
    skCreated = 0,
    skAttached = 1,
    skDetached = 2,    // the panel skinner's own use
    skKeepControl = 4, // the panel skinner: do not restore the control
    skDestroyed = 6,   // the window got WM_NCDESTROY; the form skinner frees it
};

// Controls whose Tag has this value paint their parent's image under their face.
constexpr int kTransparentTag = 5555;
// Page controls whose Tag has this value get close boxes on their tabs.
constexpr int kTabCloseTag = 7777;

class TSkinControl : public TComponent {
    KELVORA_CLASS(TSkinControl)
public:
    explicit TSkinControl(TComponent* owner);
    ~TSkinControl() override;

    // For a window with a framework control (the owner, which must be a TWinControl;
    // its window is made now if it has none). A second call does nothing.
    virtual void Attach(TSkinForm* formSkinner, TSkinData* skinData, bool setColour, TCanvas* canvas);
    // For a window without a framework object.
    virtual void AttachWindow(HWND window, TSkinData* skinData, TSkinForm* formSkinner, TCanvas* canvas);
    // Skinning off for good: the hook stays and passes everything through.
    virtual void Detach();
    // True: pass the message to the window's own procedure, then AfterMessage.
    virtual bool BeforeMessage(TMessage& m);
    virtual void AfterMessage(TMessage& m);
    // Draws the skin now; dc null: the window DC.
    virtual void PaintWindow(HDC dc);
    // Draws the skin into dc over rect (window coordinates moved to the origin).
    virtual void DrawSkin(HDC dc, const RECT& rect) {}
    // The skin data loaded another skin.
    virtual void SkinChanged();

    // The window's own procedure for the message being handled (only inside a dispatch).
    void CallOldProc(TMessage& m);
    // Invalidates (the graphic control, or the window with its background) and updates.
    void Repaint();
    void FillSkinColour(HDC dc, const RECT& rect);
    // The Color of the control's parent when it publishes one, else the skin's ButtonFace.
    TColour ParentColour() const;
    void FillParentColour(HDC dc, const RECT& rect);
    // GetWindowLongPtrW or ...A by the window's Unicode flag.
    LONG_PTR WindowLong(int index) const;
    void SetParentBackground(bool on);
    // The focus rectangle around the Caption as drawn with flags into rect.
    void DrawTextFocus(HDC dc, unsigned flags, const RECT& rect);
    // A swallowed press still raises the control's OnMouseDown.
    void ForwardMouseDown(const TMessage& m);
    // Frame frameIndex (1-based) of frameCount of the element, nine-sliced to rect, with
    // magenta transparent when the element says so. Nothing for an inverted rect.
    void DrawElementFrame(HDC dc, const RECT& rect, int frameCount, int frameIndex, const TDataSkinObject& element);
    // Every caption goes through here: DrawTextW, DT_RTLREADING added for right-to-left
    // controls. Returns DrawText's result (the height).
    int DrawCaption(HDC dc, const std::wstring& text, RECT& rect, unsigned flags);
    // The shared WM_PAINT handler: BeginPaint unless wParam holds a DC, DrawSkin, EndPaint.
    void PaintHandler(TMessage& m);
    // The shared WM_ERASEBKGND handler: the parent's image under the control (ButtonFace
    // for a bare window); Result 1.
    void EraseHandler(TMessage& m);
    // Asks for one WM_MOUSELEAVE (TrackMouseEvent, TME_LEAVE).
    void TrackMouseLeave();
    // WM_NCPAINT of a window without a non-client area (window and client rectangles of
    // one size): nothing to draw, so the system's handler and the window DC it takes are
    // skipped; true when so answered (Result 0).
    bool AnswerEmptyNcPaint(TMessage& m);

    // The skinned control's published properties by name (missing: "", -1, nullptr).
    std::string PropText(const std::string& name) const;       // lower-cased
    long long PropOrdinal(const std::string& name) const;
    TObject* PropObject(const std::string& name) const;
    bool HasProp(const std::string& name) const;
    bool SetPropText(const std::string& name, const std::string& value);

    // Null once the form skinner is gone.
    TSkinForm* FormSkinner() const { return formSkinner_.Get(); }
    TSkinData* SkinData() const { return skinData_; }
    HWND Handle() const { return handle_; }
    TWinControl* Control() const { return control_; }
    bool Skinning() const { return SkinActive != 0; }

    // State (names of the skinning design; read by subclasses and tests).
    uint8_t MouseState = 0;  // TSkinMouseState bits
    TCanvas* Canvas = nullptr;  // lent by the form skinner, may be null
    uint8_t Enabled = 0;
    uint8_t Focused = 0;
    std::wstring Caption;
    uint8_t SkinActive = 1;
    uint8_t UnicodeWindow = 0;
    RECT WindowRect{};
    TControl* GraphicControl = nullptr;  // a windowless control painted through its parent
    uint8_t SetColour = 0;
    TColour SavedColour = 0;
    uint8_t Attached = 0;
    int32_t State = skCreated;
    int32_t Mode = 0;
    uint8_t ParentBackgroundCleared = 0;

protected:
    // The message dispatch every hook of a skinner runs.
    void SkinnerWndProc(TMessage& m, const TWndMethod& next);
    // Puts SkinnerWndProc on control's WindowProc (Attach; speed buttons hook their
    // graphic control the same way).
    void HookControl(TControl* control);
    void UnhookControl();
    // Subclasses a bare window with SkinnerWndProc (AttachWindow).
    void HookWindow(HWND window);
    // Focused as the system has it now; from then on WM_SETFOCUS and WM_KILLFOCUS keep it.
    void TakeFocusState();
    void SetHandle(HWND handle) {
        if (handle == handle_) return;
        handle_ = handle;
        TakeFocusState();
    }
    void SetSkinData(TSkinData* data) { skinData_ = data; }
    void SetFormSkinner(TSkinForm* form);
    void SetControl(TWinControl* control) { control_ = control; }
    // The object whose properties are read: the control or the graphic control.
    TObject* PropertyOwner() const;

private:
    void RegisterWithForm();

    TComponentRef<TSkinForm> formSkinner_;
    TSkinData* skinData_ = nullptr;
    HWND handle_ = nullptr;
    TWinControl* control_ = nullptr;
    TComponentRef<TControl> hookedControl_;
    THookToken controlHook_ = 0;
    TWindowSubclass windowHook_;
    // The procedure under this hook for the message being handled (innermost call).
    const TWndMethod* currentNext_ = nullptr;
};
