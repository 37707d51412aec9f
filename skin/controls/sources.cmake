# Control skinners: the base, the classification, buttons, scroll bars, menus, text fields,
# tabs, containers and indicators.
kelvora_portable(ControlKinds.cpp ScrollPainter.cpp ButtonPainter.cpp MenuPainter.cpp MenuBarLayout.cpp
                 EditPainter.cpp TabPainter.cpp IndicatorPainter.cpp ContainerPainter.cpp)
kelvora_portable(ComboPainter.cpp)
kelvora_win32(SkinControl.cpp SkinnerFactory.cpp Classify.cpp SkinButtons.cpp SkinScrollBars.cpp SkinMenus.cpp
              SkinMenuBar.cpp SkinEdit.cpp SkinUpDown.cpp SkinComboBox.cpp SkinDateTime.cpp SkinTabs.cpp
              SkinHeader.cpp SkinContainers.cpp SkinIndicators.cpp)
kelvora_win32(SkinObjImage.cpp SkinMediaPlayer.cpp)
