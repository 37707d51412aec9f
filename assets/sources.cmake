# Pictures compiled into Kelvora.exe by app/Kelvora.rc (drawn by tools/make-assets/make-assets.sh).
# windres does not report the files a script pulls in, so name them for rebuilds.
set_source_files_properties(${CMAKE_SOURCE_DIR}/app/Kelvora.rc PROPERTIES OBJECT_DEPENDS
  "${CMAKE_CURRENT_LIST_DIR}/banner.jpg;${CMAKE_CURRENT_LIST_DIR}/Kelvora.ico;${CMAKE_SOURCE_DIR}/app/Kelvora.manifest")
