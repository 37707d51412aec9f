kelvora_portable(NetworkBatch.cpp ShortcutPaths.cpp)
