# Window framework: portable core (objects, components, string lists, errors, properties
# by name) and the Win32 layer (controls, forms, menus, timer, application).
kelvora_portable(Object.cpp Properties.cpp Exceptions.cpp Component.cpp HookChain.cpp StringList.cpp AnsiText.cpp)
kelvora_host_only(FileIoHost.cpp CodePageHost.cpp AnsiTextHost.cpp)
kelvora_win32(FileIoWin32.cpp CodePageWin32.cpp AnsiTextWin32.cpp SystemError.cpp Graphics.cpp WindowHook.cpp UtilWindow.cpp Control.cpp WinControl.cpp
              CustomControl.cpp StdCtrls.cpp GroupBoxLabel.cpp ComCtrls.cpp ExtCtrls.cpp Menus.cpp Form.cpp
              Application.cpp)
kelvora_win32(ImageList.cpp HintWindow.cpp)
