kelvora_portable(TrayTip.cpp TrayNotify.cpp)
kelvora_win32(SimpleTimer.cpp ShellNotify.cpp TrayHandler.cpp TrayIcon.cpp)
