kelvora_exe(main.cpp)
