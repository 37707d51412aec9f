kelvora_portable(AnsiText.cpp ProcessName.cpp ListFile.cpp OptimisationRun.cpp)
kelvora_win32(ToolhelpApi.cpp ProcessTable.cpp MessagePump.cpp MemoryLoad.cpp SystemError.cpp ListStore.cpp)
