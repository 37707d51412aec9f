# Base layer: code pages and byte-string helpers, system error texts, handle owners.
kelvora_portable(LAYER base AnsiText.cpp)
kelvora_host_only(LAYER base CodePageHost.cpp AnsiTextHost.cpp)
kelvora_win32(LAYER base CodePageWin32.cpp AnsiTextWin32.cpp SystemError.cpp)
kelvora_headers(LAYER base AnsiText.h CodePage.h SystemError.h Handles.h)
# Window framework: portable core (objects, components, string lists, errors, properties
# by name) and the Win32 layer (controls, forms, menus, timer, application).
kelvora_portable(Object.cpp Properties.cpp Exceptions.cpp Component.cpp HookChain.cpp StringList.cpp)
kelvora_host_only(FileIoHost.cpp)
kelvora_win32(FileIoWin32.cpp Graphics.cpp WindowHook.cpp UtilWindow.cpp Control.cpp WinControl.cpp
              CustomControl.cpp StdCtrls.cpp ScrollBar.cpp GroupBoxLabel.cpp ComCtrls.cpp ExtCtrls.cpp Menus.cpp Form.cpp
              Application.cpp)
kelvora_win32(ImageList.cpp HintWindow.cpp)
kelvora_win32(CheckBoxes.cpp)
kelvora_win32(TrackBar.cpp)
kelvora_win32(UpDown.cpp DateTimePicker.cpp)
kelvora_win32(ComboBox.cpp ListView.cpp)
kelvora_win32(TabSet.cpp)
