# Our own skin, the one the main window carries. The host build draws it (tools/skingen)
# and packs it (tools/skinpack) into generated/KelvoraSkin.skn, with the menu glyph strip
# beside it in generated/KelvoraMenuGlyphs.bmp; a Windows build copies both from the host
# tree beside it, for the resource script to embed.
set(KELVORA_SKIN_PACKAGE ${CMAKE_BINARY_DIR}/generated/KelvoraSkin.skn)
set(KELVORA_MENU_GLYPHS ${CMAKE_BINARY_DIR}/generated/KelvoraMenuGlyphs.bmp)

# Pictures compiled into Kelvora.exe by app/Kelvora.rc (drawn by tools/make-assets/make-assets.sh
# and tools/skingen). windres does not report the files a script pulls in, so name them
# for rebuilds.
set_source_files_properties(${CMAKE_SOURCE_DIR}/app/Kelvora.rc PROPERTIES OBJECT_DEPENDS
  "${CMAKE_CURRENT_LIST_DIR}/banner.jpg;${CMAKE_CURRENT_LIST_DIR}/Kelvora.ico;${CMAKE_SOURCE_DIR}/app/Kelvora.manifest;${KELVORA_SKIN_PACKAGE};${KELVORA_MENU_GLYPHS}")

if(NOT KELVORA_WIN32)
  add_custom_command(OUTPUT ${KELVORA_SKIN_PACKAGE} ${KELVORA_MENU_GLYPHS}
    COMMAND ${CMAKE_COMMAND} -DSKINGEN=$<TARGET_FILE:skingen> -DSKINPACK=$<TARGET_FILE:skinpack>
            -DWORK=${CMAKE_BINARY_DIR}/generated/skin -DPACKAGE=${KELVORA_SKIN_PACKAGE}
            -DGLYPHS=${KELVORA_MENU_GLYPHS}
            -P ${CMAKE_CURRENT_LIST_DIR}/skin/PackSkin.cmake
    DEPENDS skingen skinpack ${CMAKE_CURRENT_LIST_DIR}/skin/PackSkin.cmake
    COMMENT "Drawing and packing the Kelvora skin")
  add_custom_target(kelvora_skin ALL DEPENDS ${KELVORA_SKIN_PACKAGE} ${KELVORA_MENU_GLYPHS})
  # On request only: cmake --build <host tree> --target skin_preview
  add_custom_target(skin_preview
    COMMAND skinpreview ${KELVORA_SKIN_PACKAGE} ${CMAKE_BINARY_DIR}/skin-preview.png
    DEPENDS kelvora_skin skinpreview
    COMMENT "Rendering ${CMAKE_BINARY_DIR}/skin-preview.png")
else()
  add_custom_target(kelvora_skin ALL
    COMMAND ${CMAKE_COMMAND} -DSOURCE=${CMAKE_BINARY_DIR}/../host/generated/KelvoraSkin.skn
            -DTARGET=${KELVORA_SKIN_PACKAGE} -P ${CMAKE_CURRENT_LIST_DIR}/skin/CopySkin.cmake
    COMMAND ${CMAKE_COMMAND} -DSOURCE=${CMAKE_BINARY_DIR}/../host/generated/KelvoraMenuGlyphs.bmp
            -DTARGET=${KELVORA_MENU_GLYPHS} -P ${CMAKE_CURRENT_LIST_DIR}/skin/CopySkin.cmake
    BYPRODUCTS ${KELVORA_SKIN_PACKAGE} ${KELVORA_MENU_GLYPHS}
    COMMENT "Copying the Kelvora skin package and menu glyphs from the host build")
endif()
