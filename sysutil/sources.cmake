kelvora_portable(NetworkBatch.cpp ShortcutPaths.cpp)
kelvora_win32(SystemFolders.cpp NetworkRefresh.cpp Shortcut.cpp)
