# Application shell: entry point, main window and its layout, banner decoding, resources.
kelvora_portable(JpegImage.cpp Sites.cpp)
kelvora_win32(SingleInstance.cpp BannerResource.cpp SkinResource.cpp RunBindings.cpp Unit1.cpp Unit1Layout.cpp)
kelvora_exe(main.cpp Kelvora.rc)
