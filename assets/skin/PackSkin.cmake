# Draws the Kelvora skin and packs it:
#   cmake -DSKINGEN=<skingen> -DSKINPACK=<skinpack> -DWORK=<folder> -DPACKAGE=<out.skn>
#         -DGLYPHS=<out.bmp> -P PackSkin.cmake
# skingen writes the definition and pictures into WORK with entries.txt listing them in
# package order (definition first); skinpack joins them into one package. The menu glyph
# strip skingen draws beside them is no package entry: it is copied to GLYPHS.
file(REMOVE_RECURSE "${WORK}")
execute_process(COMMAND "${SKINGEN}" "${WORK}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "skingen failed (${status})")
endif()
file(STRINGS "${WORK}/entries.txt" names)
set(files)
foreach(name ${names})
  list(APPEND files "${WORK}/${name}")
endforeach()
execute_process(COMMAND "${SKINPACK}" --version 20000 "${PACKAGE}" ${files} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "skinpack failed (${status})")
endif()
file(COPY_FILE "${WORK}/menuglyphs.bmp" "${GLYPHS}" ONLY_IF_DIFFERENT)
