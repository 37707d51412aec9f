# Control skinners: the base, the classification, buttons, scroll bars, menus.
kelvora_portable(ControlKinds.cpp ScrollPainter.cpp ButtonPainter.cpp MenuPainter.cpp MenuBarLayout.cpp)
kelvora_win32(SkinControl.cpp SkinnerFactory.cpp Classify.cpp SkinButtons.cpp SkinScrollBars.cpp SkinMenus.cpp
              SkinMenuBar.cpp)
