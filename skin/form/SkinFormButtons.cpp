// The form skinner's caption buttons, non-client mouse, frame commands and button hints.
// The rules that need no window are in NcButtons.cpp; this file applies them to the
// window: hit testing in window coordinates, posting the system commands, the window's
// system menu and the hint window.
#include "framework/ExtCtrls.h"
#include "skin/controls/SkinMenuBar.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinManager.h"
#include "skin/form/CaptionButton.h"
#include "skin/form/SkinForm.h"

namespace {

POINT MessagePoint(const TMessage& m) {
    const auto l = static_cast<uintptr_t>(m.LParam);
    return {static_cast<short>(l & 0xFFFF), static_cast<short>((l >> 16) & 0xFFFF)};
}

bool IsIconAction(int action) { return action == caIcon || action == caIconAlt; }

// Offset below the cursor at which a caption-button hint shows.
constexpr int kHintBelowCursor = 24;

}  // namespace

void TCaptionButton::Paint() { Owner.PaintButtonState(*this); }

void TCaptionButton::Left() {
    if (TSkinData* data = Owner.SkinData()) data->HideHint();
}

void TSkinForm::BuildCaptionButtons() {
    FreeCaptionButtons();
    if (!skinData_) return;
    for (auto& record : skinData_->Skin().SysButtons) {
        if (!record) continue;
        if (IsIconAction(record->Action)) {
            // The icon button is as large as the window's own small icon and has one frame.
            RebuildIconBitmap();
            if (record->Image.Empty() && !IconBitmap.Empty()) record->Image = IconBitmap.Clone();
            record->FrameCount = 1;
        }
        CaptionButtons.push_back(std::make_unique<TCaptionButton>(*this, *record));
    }
}

void TSkinForm::FreeCaptionButtons() {
    HotObject = nullptr;
    CaptionButtons.clear();
}

void TSkinForm::ButtonsLaidOut(const TFrameLayout& layout) {
    for (size_t i = 0; i < CaptionButtons.size() && i < layout.buttons.size(); ++i) {
        TCaptionButton& b = *CaptionButtons[i];
        const TCaptionButtonPlace& p = layout.buttons[i];
        if (p.element != b.Element) continue;
        b.Visible = p.visible;
        b.Enabled = p.enabled;
        b.Bounds = p.bounds;
    }
}

std::vector<TButtonState> TSkinForm::ButtonStates() const {
    // Only the hot or pressed button shows its state; a state left on another button by a
    // repaint that dropped the hot object is not drawn.
    std::vector<TButtonState> states(CaptionButtons.size(), TButtonState::Normal);
    for (size_t i = 0; i < CaptionButtons.size(); ++i)
        if (CaptionButtons[i].get() == HotObject) states[i] = static_cast<TButtonState>(CaptionButtons[i]->State);
    return states;
}

TNCObject* TSkinForm::HitTestButtons(POINT p) const {
    for (const auto& b : CaptionButtons)
        if (b->Visible && b->Action() >= 0 && b->Contains(p.x, p.y)) return b.get();
    return MenuBarSkinner ? MenuBarSkinner->HitTest(p) : nullptr;
}

bool TSkinForm::ButtonVisible(size_t index) {
    if (index >= CaptionButtons.size()) return false;
    TCaptionButton& b = *CaptionButtons[index];
    b.Visible = CaptionButtonVisible(*b.Element, FrameState(), b.Enabled);
    return b.Visible;
}

HMENU TSkinForm::WindowSystemMenu() const {
    // Read at activation, before the skinned frame may take the system-menu style away
    // (the system then makes no menu for the window).
    return SystemMenu ? SystemMenu : GetSystemMenu(windowHandle_, FALSE);
}

void TSkinForm::StopPollTimer() {
    if (pollTimer_) pollTimer_->SetEnabled(false);
}

void TSkinForm::HideButtonHint() {
    if (skinData_) skinData_->HideHint();
}

void TSkinForm::ButtonAction(int x, int y) {
    if (!HotObject || !HotObject->IsCaptionButton()) return;
    const int action = HotObject->Action();
    const HWND wnd = windowHandle_;
    switch (ButtonCommand(action, HotObject->Enabled)) {
        case TButtonCommand::None: break;
        case TButtonCommand::Close: {
            // Only a window whose system menu offers Close is closed by the button.
            MENUITEMINFOA info{};
            info.cbSize = sizeof info;
            info.fMask = MIIM_STATE;
            if (GetMenuItemInfoA(WindowSystemMenu(), SC_CLOSE, FALSE, &info)) {
                StopPollTimer();
                PostMessageA(wnd, WM_SYSCOMMAND, SC_CLOSE, 0);
            }
            break;
        }
        case TButtonCommand::MaximiseToggle: MaximizeToggle(); break;
        case TButtonCommand::MinimiseToggle: MinimizeToggle(); break;
        case TButtonCommand::SystemMenu: ShowSystemMenu({x + 1, y + 1}); break;
        case TButtonCommand::ContextHelp: PostMessageA(wnd, WM_SYSCOMMAND, SC_CONTEXTHELP, 0); break;
        case TButtonCommand::ChildMinimise: SendToActiveChild(SC_MINIMIZE); break;
        case TButtonCommand::ChildRestore: SendToActiveChild(SC_RESTORE); break;
        case TButtonCommand::ChildClose: SendToActiveChild(SC_CLOSE); break;
        case TButtonCommand::Report: PostMessageA(wnd, SKINMSG_BUTTONACTION, static_cast<WPARAM>(action), 0); break;
    }
}

void TSkinForm::SendToActiveChild(UINT command) {
    if (MdiKind != mkFrame || !MdiClientWnd) return;
    const auto child = reinterpret_cast<HWND>(SendMessageA(MdiClientWnd, WM_MDIGETACTIVE, 0, 0));
    if (child) SendMessageA(child, WM_SYSCOMMAND, command, 0);
}

void TSkinForm::MaximizeToggle() {
    if (ShowState == TShowState::Maximised) {
        RestoreWindow();
        return;
    }
    if (MdiKind == mkChild)
        if (TSkinManager* manager = TSkinManager::Instance()) manager->MdiChildMaximised = true;
    ShowState = TShowState::Maximised;
    PostMessageA(windowHandle_, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    // The button moves with the new size: it is drawn normal there until the mouse finds it.
    if (HotObject) HotObject->State = static_cast<int>(TButtonState::Normal);
    HotObject = nullptr;
}

void TSkinForm::MinimizeToggle() {
    if (ShowState == TShowState::Minimised) {
        RestoreWindow();
        return;
    }
    ShowState = TShowState::Minimised;
    StripSysMenuStyle(false);
    PostMessageA(windowHandle_, WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

void TSkinForm::RestoreWindow() {
    ShowState = TShowState::Normal;
    PostMessageA(windowHandle_, WM_SYSCOMMAND, SC_RESTORE, 0);
}

void TSkinForm::ShowSystemMenu(POINT screenPoint) {
    if (moduleHandle_) return;
    const DWORD now = GetTickCount();
    switch (SystemMenuPress(now, LastRightPressTick, DoubleClickTime, HotObject != nullptr)) {
        case TMenuPress::Open:
            if (TSkinManager* manager = TSkinManager::Instance()) manager->PopupKind = pkSystemMenu;
            LastRightPressTick = now;
            TrackSystemMenu(screenPoint);
            break;
        case TMenuPress::CloseWindow:
            StopPollTimer();
            PostMessageA(windowHandle_, WM_CLOSE, 0, 0);
            break;
        case TMenuPress::Nothing: break;
    }
}

void TSkinForm::OnPollTimer() {
    if (MenuTracking || !HotObject || !skinData_) return;
    POINT cursor{};
    GetCursorPos(&cursor);
    const POINT p = ToWindowPoint(cursor.x, cursor.y);
    if (!HotObject->Contains(p.x, p.y)) {
        HotObject->MouseLeave(HotObject);
        HotObject = nullptr;
        HideButtonHint();
        return;
    }
    if (!HotObject->IsCaptionButton()) return;
    switch (HintTick(skinData_->HintCounter)) {
        case THintStep::Wait: break;
        case THintStep::Show: {
            const std::string text = ButtonHint(HotObject->Action());
            if (text.empty()) break;
            RECT window{};
            GetWindowRect(windowHandle_, &window);
            skinData_->ShowHint(text, {HotObject->Bounds.left + window.left, cursor.y + kHintBelowCursor});
            break;
        }
        case THintStep::Hide:
            // Hidden until the mouse leaves: the counter is kept, so it does not show again.
            if (skinData_->HintWindow().Showing()) skinData_->HintWindow().ReleaseHandle();
            break;
    }
}

bool TSkinForm::NcMouseMove(TMessage& m) {
    if (!IsActive) return false;
    const POINT s = MessagePoint(m);
    if (TNCObject* hit = HitTestButtons(ToWindowPoint(s.x, s.y))) {
        hit->MouseMove(HotObject);
        m.Result = 0;
        return true;
    }
    if (HotObject) HotObject->MouseLeave(HotObject);
    HotObject = nullptr;
    return false;
}

bool TSkinForm::NcLButtonDown(TMessage& m) {
    HideButtonHint();
    const POINT s = MessagePoint(m);
    if (TNCObject* hit = HitTestButtons(ToWindowPoint(s.x, s.y))) {
        if (!IsActive) SetForegroundWindow(windowHandle_);
        hit->MouseDown(HotObject);
        if (auto* menuButton = dynamic_cast<TMenuBtn*>(hit)) OpenMenuBarButton(menuButton);
        m.Result = 0;
        return true;
    }
    // A maximised window cannot be dragged by its caption.
    if (ShowState == TShowState::Maximised && IsActive && m.WParam == HTCAPTION) m.WParam = HTMENU;
    return false;
}

bool TSkinForm::NcLButtonUp(TMessage& m) {
    HideButtonHint();
    const POINT s = MessagePoint(m);
    TNCObject* hit = HitTestButtons(ToWindowPoint(s.x, s.y));
    if (!hit) return false;
    if (ReleaseClicks(hit, HotObject)) {
        hit->MouseUp();
        ButtonAction(s.x, s.y);
    } else if (hit == HotObject) {
        hit->MouseUp();
    }
    m.Result = 0;
    return true;
}

bool TSkinForm::NcLButtonDblClk(TMessage& m) {
    const POINT s = MessagePoint(m);
    const TNCObject* hit = HitTestButtons(ToWindowPoint(s.x, s.y));
    const int action = hit ? hit->Action() : -1;
    switch (CaptionDoubleClick(action, m.WParam == HTCAPTION, ShowState, CaptionIcons)) {
        case TDoubleClick::CloseWindow:
            StopPollTimer();
            PostMessageA(windowHandle_, WM_SYSCOMMAND, SC_CLOSE, 0);
            break;
        case TDoubleClick::Press: return NcLButtonDown(m);
        case TDoubleClick::Restore: RestoreWindow(); break;
        case TDoubleClick::MaximiseToggle: MaximizeToggle(); break;
        case TDoubleClick::Previous: return false;
    }
    m.Result = 0;
    return true;
}

bool TSkinForm::NcRButtonDown(TMessage& m) {
    HideButtonHint();
    if (m.WParam != HTCAPTION || MdiKind == mkChild) return false;
    ShowSystemMenu(MessagePoint(m));
    m.Result = 0;
    return true;
}

bool TSkinForm::SysCommand(TMessage& m) {
    if (MenuTracking) return false;
    const UINT command = static_cast<UINT>(m.WParam & 0xFFF0);
    if (command == SC_KEYMENU && KeyMenu(m)) return true;
    if (command == SC_KEYMENU && m.LParam == ' ') {
        // Alt+Space: our menu at the client origin; the system does not open its own too.
        POINT origin{0, 0};
        ClientToScreen(windowHandle_, &origin);
        ShowSystemMenu(origin);
        m.Result = 0;
        return true;
    }
    switch (command) {
        case SC_MINIMIZE: ShowState = TShowState::Minimised; break;
        case SC_MAXIMIZE: ShowState = TShowState::Maximised; break;
        case SC_RESTORE:
            ShowState = TShowState::Normal;
            if (MdiKind == mkChild)
                if (TSkinManager* manager = TSkinManager::Instance()) manager->MdiChildMaximised = false;
            break;
        default: break;
    }
    return false;
}

bool TSkinForm::Command(TMessage& m) {
    const UINT command = static_cast<UINT>(m.WParam & 0xFFFF);
    switch (command) {
        case SC_SIZE:
        case SC_MOVE:
        case SC_MINIMIZE:
        case SC_MAXIMIZE:
        case SC_NEXTWINDOW:
        case SC_PREVWINDOW:
        case SC_CLOSE:
        case SC_RESTORE:
            PostMessageA(windowHandle_, WM_SYSCOMMAND, command, 0);
            m.Result = 0;
            return true;
        default: return false;
    }
}
