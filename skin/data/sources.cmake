kelvora_portable(PixelBuffer.cpp)
kelvora_host_only(PixelStorageHeap.cpp)
kelvora_win32(PixelStorageDib.cpp)
kelvora_portable(SkinIni.cpp)
