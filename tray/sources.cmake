kelvora_portable(TrayTip.cpp TrayNotify.cpp)
kelvora_win32(HiddenWindow.cpp SimpleTimer.cpp)
