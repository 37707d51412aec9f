kelvora_portable(AnsiText.cpp ProcessName.cpp ListFile.cpp OptimisationRun.cpp)
