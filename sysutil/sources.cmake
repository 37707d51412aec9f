kelvora_portable(NetworkBatch.cpp ShortcutPaths.cpp FolderBuffer.cpp)
kelvora_win32(SystemFolders.cpp NetworkRefresh.cpp Shortcut.cpp)
