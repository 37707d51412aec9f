kelvora_portable(TrayTip.cpp TrayNotify.cpp)
kelvora_win32(UtilWindow.cpp SimpleTimer.cpp)
