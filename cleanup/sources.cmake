kelvora_portable(ProcessName.cpp ListFile.cpp OptimisationRun.cpp)
kelvora_win32(ToolhelpApi.cpp ProcessTable.cpp MessagePump.cpp MemoryLoad.cpp ListStore.cpp)
