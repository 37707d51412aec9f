# Base layer: the pixel buffer, geometry and colours that the framework draws with too.
kelvora_portable(LAYER base PixelBuffer.cpp Colour.cpp)
kelvora_host_only(LAYER base PixelStorageHeap.cpp ColourHost.cpp)
kelvora_win32(LAYER base PixelStorageDib.cpp ColourWin32.cpp)
kelvora_headers(LAYER base PixelBuffer.h Geometry.h Colour.h)
# Skin logic: package reader and decompressor, definition, bitmap routines.
kelvora_portable(SkinIni.cpp)
kelvora_host_only(SkinPlatformHost.cpp)
kelvora_win32(SkinPlatformWin32.cpp)
kelvora_portable(Lzh.cpp SkinReader.cpp BmpCodec.cpp ImgUtil.cpp FrameDraw.cpp)
kelvora_portable(SkinDefinition.cpp)
# The bitmap routines on device contexts that framework controls draw with.
kelvora_win32(LAYER framework GdiAdapters.cpp)
kelvora_headers(LAYER framework GdiAdapters.h)
# Switches and the built-in class-name table of a skin data component.
kelvora_portable(SkinOptions.cpp SkinRules.cpp)
# The skin data component and the skin manager sit on the framework: skin engine layer.
kelvora_win32(LAYER skinengine SkinData.cpp SkinManager.cpp)
kelvora_headers(LAYER skinengine SkinData.h SkinManager.h)
