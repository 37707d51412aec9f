kelvora_portable(TrayTip.cpp TrayNotify.cpp)
kelvora_win32(HiddenWindow.cpp SimpleTimer.cpp ShellNotify.cpp TrayHandler.cpp ImageList.cpp TrayIcon.cpp)
