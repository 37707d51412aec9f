#pragma once
// A hidden window of class "TPUtilWindow" whose messages go to a function (timers, tray
// notifications, popup-menu commands). Each dispatch runs with the framework's error
// handling; messages the function leaves with Handled = false go to DefWindowProcA.
#include "framework/Handles.h"
#include "framework/Messages.h"

#include <functional>

class UtilWindow {
public:
    // The handler sets Result; returning false passes the message to DefWindowProcA.
    using Handler = std::function<bool(TMessage&)>;
    explicit UtilWindow(Handler handler);
    ~UtilWindow();
    UtilWindow(const UtilWindow&) = delete;
    UtilWindow& operator=(const UtilWindow&) = delete;
    HWND Handle() const { return wnd_.get(); }

private:
    static LRESULT CALLBACK Proc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);
    Handler handler_;
    WindowHandle wnd_;
};
