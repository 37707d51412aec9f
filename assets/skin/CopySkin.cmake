# Copies a file made by the host build (the skin package, the menu glyph strip) into a
# Windows build tree.
#   cmake -DSOURCE=<host file> -DTARGET=<copy> -P CopySkin.cmake
if(NOT EXISTS "${SOURCE}")
  message(FATAL_ERROR "The skin package ${SOURCE} is missing: build the host tree first (make host).")
endif()
get_filename_component(dir "${TARGET}" DIRECTORY)
file(MAKE_DIRECTORY "${dir}")
file(COPY_FILE "${SOURCE}" "${TARGET}" ONLY_IF_DIFFERENT)
