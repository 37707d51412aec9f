kelvora_portable(FrameLayout.cpp FramePainter.cpp NcGeometry.cpp NcButtons.cpp)
kelvora_win32(FramePainterGdi.cpp)
# The form skinner: attach and dispatch, painting, caption buttons.
kelvora_win32(SkinForm.cpp SkinFormPaint.cpp SkinFormButtons.cpp SkinFormControls.cpp SkinFormMenus.cpp)
