kelvora_portable(JpegImage.cpp)
kelvora_exe(main.cpp)
