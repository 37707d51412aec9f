kelvora_portable(TrayTip.cpp TrayNotify.cpp)
