kelvora_portable(FrameLayout.cpp FramePainter.cpp)
kelvora_win32(FramePainterGdi.cpp)
