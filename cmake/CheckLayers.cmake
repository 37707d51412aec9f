# Include check of the layers (cmake -DROOT=<source folder> -DMAP=<layers.cmake> -P ...).
# MAP sets LAYERS (bottom up) and FILES_<layer> (paths relative to ROOT). A file may include
# files of its own layer and of the layers below; every include of a higher layer's file is
# reported, and then the check fails.
include(${MAP})

set(rank 0)
foreach(layer ${LAYERS})
  foreach(f ${FILES_${layer}})
    set("LAYER_OF_${f}" ${layer})
    set("RANK_OF_${f}" ${rank})
  endforeach()
  math(EXPR rank "${rank} + 1")
endforeach()

set(faults)
foreach(layer ${LAYERS})
  foreach(f ${FILES_${layer}})
    if(NOT EXISTS ${ROOT}/${f})
      continue()
    endif()
    file(STRINGS ${ROOT}/${f} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    get_filename_component(dir ${f} DIRECTORY)
    foreach(line ${lines})
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*" "\\1" inc "${line}")
      # Our includes name the path from the source root; a bare name is beside the file.
      if(NOT DEFINED "RANK_OF_${inc}" AND DEFINED "RANK_OF_${dir}/${inc}")
        set(inc "${dir}/${inc}")
      endif()
      if(DEFINED "RANK_OF_${inc}")
        set(own "${RANK_OF_${f}}")
        set(used "${RANK_OF_${inc}}")
        if(used GREATER own)
          list(APPEND faults "  ${f} (${layer}) includes ${inc} (${LAYER_OF_${inc}})")
        endif()
      endif()
    endforeach()
  endforeach()
endforeach()

if(faults)
  list(JOIN faults "\n" text)
  list(JOIN LAYERS ", " order)
  message(FATAL_ERROR "Includes that go up a layer (the layers, bottom up: ${order}):\n${text}\n"
                      "Move the code used to a lower layer, or register the file in a higher one.")
endif()
