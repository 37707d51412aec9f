# Registration helpers: each subsystem's sources.cmake says which of its files are
# portable (compiled in both builds), Win32-only, host-only stand-ins or the program's own.
# kelvora_finish() then makes the targets for the build in hand.
#
# Every file belongs to a layer. The layers, bottom up:
#   base        pixel buffer, geometry, colours, code pages, byte-string helpers, handle owners
#   skindata    portable skin logic: package reader, decompressor, definition, bitmap routines
#   framework   the window framework (portable core and Win32 controls)
#   sysutil     system folders, network refresh, shell shortcut
#   cleanup     process table, list file and store, the optimisation run
#   tray        tray icon component and shared timer window
#   skinengine  form and control skinning (Win32)
#   app         entry point and main window
# Each layer is one static library that links the layer below it, so a file may use its own
# layer and those beneath. Two checks hold that in every build: the include check fails on an
# #include of a file from a higher layer, and each layer's link check links every object of
# the layer against the lower layers alone, so a call upwards is an undefined symbol.
set(KELVORA_LAYERS base skindata framework sysutil cleanup tray skinengine app)
# A folder's files go to its layer unless the call names another one first: LAYER <name>.
set(KELVORA_FOLDER_LAYER_framework framework)
set(KELVORA_FOLDER_LAYER_skin/data skindata)
set(KELVORA_FOLDER_LAYER_sysutil sysutil)
set(KELVORA_FOLDER_LAYER_cleanup cleanup)
set(KELVORA_FOLDER_LAYER_tray tray)
set(KELVORA_FOLDER_LAYER_skin/form skinengine)
set(KELVORA_FOLDER_LAYER_skin/controls skinengine)
set(KELVORA_FOLDER_LAYER_app app)

function(_kelvora_abs out)
  set(paths)
  foreach(f ${ARGN})
    if(IS_ABSOLUTE ${f})
      list(APPEND paths ${f})
    else()
      list(APPEND paths ${CMAKE_CURRENT_LIST_DIR}/${f})
    endif()
  endforeach()
  set(${out} ${paths} PARENT_SCOPE)
endfunction()

# Adds files of one kind to their layer: [LAYER <name>] files...
function(_kelvora_add kind)
  set(files ${ARGN})
  file(RELATIVE_PATH folder ${CMAKE_SOURCE_DIR} ${CMAKE_CURRENT_LIST_DIR})
  set(layer "${KELVORA_FOLDER_LAYER_${folder}}")
  list(LENGTH files n)
  if(n GREATER 1)
    list(GET files 0 first)
    if(first STREQUAL "LAYER")
      list(POP_FRONT files first layer)
    endif()
  endif()
  if(NOT layer OR NOT layer IN_LIST KELVORA_LAYERS)
    message(FATAL_ERROR "${CMAKE_CURRENT_LIST_FILE}: no layer for ${files}; "
                        "name one first: LAYER <${KELVORA_LAYERS}>")
  endif()
  _kelvora_abs(files ${files})
  set_property(GLOBAL APPEND PROPERTY KELVORA_${kind}_${layer} ${files})
  set_property(GLOBAL APPEND PROPERTY KELVORA_FILES_${layer} ${files})
endfunction()

# Portable core: never includes <windows.h>; the host build proves it.
function(kelvora_portable)
  _kelvora_add(PORTABLE ${ARGN})
endfunction()
# Files only the host build compiles (host stand-ins of Win32-backed pieces).
function(kelvora_host_only)
  _kelvora_add(HOST_ONLY ${ARGN})
endfunction()
# Win32 layer: compiled into the Windows build only.
function(kelvora_win32)
  _kelvora_add(WIN32_SRC ${ARGN})
endfunction()
# The program's own entry point and resources (Kelvora.exe only).
function(kelvora_exe)
  _kelvora_add(EXE_SRC ${ARGN})
endfunction()
# Headers that belong to another layer than their folder's (LAYER <name> headers...);
# every other header of a folder is in the folder's layer.
function(kelvora_headers)
  _kelvora_add(HEADERS ${ARGN})
endfunction()
# Host tools (name, sources...): linked with every layer.
function(kelvora_tool name)
  if(NOT KELVORA_WIN32)
    _kelvora_abs(srcs ${ARGN})
    set_property(GLOBAL APPEND PROPERTY KELVORA_TOOLS "${name}")
    set_property(GLOBAL PROPERTY KELVORA_TOOL_${name} ${srcs})
  endif()
endfunction()
# Host benchmarks (name, sources...): plain programs that print their figures.
function(kelvora_bench name)
  if(NOT KELVORA_WIN32)
    _kelvora_abs(srcs ${ARGN})
    set_property(GLOBAL APPEND PROPERTY KELVORA_BENCHES "${name}")
    set_property(GLOBAL PROPERTY KELVORA_BENCH_${name} ${srcs})
  endif()
endfunction()
# Fuzz targets (name, source defining LLVMFuzzerTestOneInput, corpus folder).
# The host build links each with a replay driver and runs it over its corpus as a test;
# `make fuzz` builds them with clang's libFuzzer.
function(kelvora_fuzz name src corpus)
  if(NOT KELVORA_WIN32)
    set_property(GLOBAL APPEND PROPERTY KELVORA_FUZZERS "${name}")
    set_property(GLOBAL PROPERTY KELVORA_FUZZ_${name} ${src})
    set_property(GLOBAL PROPERTY KELVORA_FUZZ_CORPUS_${name} ${corpus})
  endif()
endfunction()

function(kelvora_flags target)
  target_compile_options(${target} PRIVATE ${KELVORA_CHARSET_FLAGS} ${KELVORA_WARN_FLAGS})
  target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_BINARY_DIR}/generated)
  if(KELVORA_WIN32)
    target_compile_definitions(${target} PRIVATE WINVER=0x0501 _WIN32_WINNT=0x0501 _WIN32_IE=0x0600
                                                 NOMINMAX STRICT)
  endif()
endfunction()

macro(kelvora_gtest)
  if(NOT TARGET gtest)
    set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  endif()
endmacro()

# One static library per layer, kelvora_<layer>, linking the layer below (`below`). A layer
# with nothing to compile in this build is an interface library that only passes `below` on.
function(_kelvora_layer_library layer srcs below)
  set(compiled ${srcs})
  list(FILTER compiled INCLUDE REGEX "\\.(c|cpp)$")
  if(NOT compiled)
    add_library(kelvora_${layer} INTERFACE)
    target_link_libraries(kelvora_${layer} INTERFACE ${below})
    return()
  endif()
  add_library(kelvora_${layer} STATIC ${srcs})
  kelvora_flags(kelvora_${layer})
  target_link_libraries(kelvora_${layer} PUBLIC ${below})
  add_dependencies(kelvora_${layer} kelvora_include_check)
  # The link check: a program that takes in every object of the layer and links only the
  # layers below it.
  add_executable(kelvora_${layer}_link_check ${CMAKE_SOURCE_DIR}/cmake/LinkCheck.cpp)
  target_link_libraries(kelvora_${layer}_link_check PRIVATE
                        "$<LINK_LIBRARY:WHOLE_ARCHIVE,kelvora_${layer}>")
endfunction()

# The include check: writes which layer each file of the layered folders is in and runs
# cmake/CheckLayers.cmake over them whenever one changes.
function(_kelvora_include_check)
  set(map ${CMAKE_BINARY_DIR}/layers/layers.cmake)
  set(text "set(LAYERS ${KELVORA_LAYERS})\n")
  set(all)
  # Headers not named elsewhere are in their folder's layer.
  get_cmake_property(vars VARIABLES)
  list(FILTER vars INCLUDE REGEX "^KELVORA_FOLDER_LAYER_")
  foreach(layer ${KELVORA_LAYERS})
    get_property(files_${layer} GLOBAL PROPERTY KELVORA_FILES_${layer})
    list(APPEND all ${files_${layer}})
  endforeach()
  foreach(v ${vars})
    string(REGEX REPLACE "^KELVORA_FOLDER_LAYER_" "" folder ${v})
    file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${folder}/*.h)
    foreach(h ${headers})
      if(NOT h IN_LIST all)
        list(APPEND files_${${v}} ${h})
      endif()
    endforeach()
  endforeach()
  set(checked)
  foreach(layer ${KELVORA_LAYERS})
    set(rel)
    foreach(f ${files_${layer}})
      file(RELATIVE_PATH r ${CMAKE_SOURCE_DIR} ${f})
      list(APPEND rel ${r})
      list(APPEND checked ${f})
    endforeach()
    string(APPEND text "set(FILES_${layer} ${rel})\n")
  endforeach()
  file(CONFIGURE OUTPUT ${map} CONTENT "${text}")
  set(stamp ${CMAKE_BINARY_DIR}/layers/include-check.stamp)
  add_custom_command(OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -DROOT=${CMAKE_SOURCE_DIR} -DMAP=${map} -P ${CMAKE_SOURCE_DIR}/cmake/CheckLayers.cmake
    COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
    DEPENDS ${checked} ${map} ${CMAKE_SOURCE_DIR}/cmake/CheckLayers.cmake
    COMMENT "Checking that no file includes one of a higher layer")
  add_custom_target(kelvora_include_check DEPENDS ${stamp})
endfunction()

# A test of the include check on two small layers: the lower one's header includes the
# upper one's (reported, the check fails), the upper one's includes the lower one's and a
# bare name beside it (both allowed).
function(_kelvora_include_check_test)
  set(dir ${CMAKE_BINARY_DIR}/layers/sample)
  file(WRITE ${dir}/low/Low.h "#pragma once\n  # include \"high/High.h\" // upwards\n")
  file(WRITE ${dir}/high/High.h "#pragma once\n#include \"low/Low.h\"\n#include \"Beside.h\"\n")
  file(WRITE ${dir}/high/Beside.h "#pragma once\n#include \"high/High.h\"\n")
  file(WRITE ${dir}/layers.cmake
       "set(LAYERS bottom top)\nset(FILES_bottom low/Low.h)\nset(FILES_top high/High.h high/Beside.h)\n")
  add_test(NAME layer_include_check
           COMMAND ${CMAKE_COMMAND} -DROOT=${dir} -DMAP=${dir}/layers.cmake
                   -P ${CMAKE_SOURCE_DIR}/cmake/CheckLayers.cmake)
  # The report comes only with a failed check; it must name that one include and no other.
  set_tests_properties(layer_include_check PROPERTIES
    PASS_REGULAR_EXPRESSION "low/Low.h \\(bottom\\) includes high/High.h \\(top\\)"
    FAIL_REGULAR_EXPRESSION "\\(top\\) includes")
endfunction()

function(kelvora_finish)
  # Tests, fuzz targets, benchmarks and tools are found by folder:
  #   tests/host/*.cpp, tests/win32/*.cpp, tests/e2e/*.cpp   one GoogleTest program each
  #   fuzz/<name>_fuzz.cpp with its corpus in fuzz/corpus/<name>/
  #   bench/<name>.cpp (host), bench/win32/<name>.cpp (run under Wine)
  #   tools/<name>/*.cpp                                       one host tool each
  file(GLOB hosttests CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/host/*.cpp)
  file(GLOB wintests CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win32/*.cpp)
  file(GLOB e2etests CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*.cpp)
  file(GLOB fuzzsrcs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/fuzz/*_fuzz.cpp)
  foreach(f ${fuzzsrcs})
    get_filename_component(n ${f} NAME_WE)
    string(REGEX REPLACE "_fuzz$" "" n ${n})
    kelvora_fuzz(${n} ${f} ${CMAKE_SOURCE_DIR}/fuzz/corpus/${n})
  endforeach()
  file(GLOB benchsrcs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*.cpp)
  foreach(f ${benchsrcs})
    get_filename_component(n ${f} NAME_WE)
    kelvora_bench(bench_${n} ${f})
  endforeach()
  file(GLOB tooldirs LIST_DIRECTORIES true CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/*)
  foreach(d ${tooldirs})
    if(IS_DIRECTORY ${d})
      file(GLOB toolsrcs CONFIGURE_DEPENDS ${d}/*.cpp)
      if(toolsrcs)
        get_filename_component(n ${d} NAME)
        kelvora_tool(${n} ${toolsrcs})
      endif()
    endif()
  endforeach()

  find_package(JPEG REQUIRED)
  find_package(Threads REQUIRED)
  kelvora_gtest()

  _kelvora_include_check()
  set(below)
  set(exesrc)
  foreach(layer ${KELVORA_LAYERS})
    get_property(portable GLOBAL PROPERTY KELVORA_PORTABLE_${layer})
    get_property(headers GLOBAL PROPERTY KELVORA_HEADERS_${layer})
    if(KELVORA_WIN32)
      get_property(own GLOBAL PROPERTY KELVORA_WIN32_SRC_${layer})
    else()
      get_property(own GLOBAL PROPERTY KELVORA_HOST_ONLY_${layer})
    endif()
    get_property(exe GLOBAL PROPERTY KELVORA_EXE_SRC_${layer})
    list(APPEND exesrc ${exe})
    _kelvora_layer_library(${layer} "${portable};${own};${headers}" "${below}")
    set(below kelvora_${layer})
  endforeach()
  # What the layers themselves need from outside. Everything above the layers (program,
  # tests, tools) links kelvora_app, and with it every layer.
  target_include_directories(kelvora_base PUBLIC ${CMAKE_SOURCE_DIR} ${CMAKE_BINARY_DIR}/generated)
  target_link_libraries(kelvora_app PUBLIC JPEG::JPEG)
  if(KELVORA_WIN32)
    target_link_libraries(kelvora_base PUBLIC ole32 oleaut32 uuid comctl32 shell32 gdi32 user32
                                              msimg32 advapi32 kernel32)
  endif()

  if(NOT KELVORA_WIN32)
    _kelvora_include_check_test()
    # Host unit tests.
    add_executable(host_tests ${hosttests})
    kelvora_flags(host_tests)
    target_link_libraries(host_tests PRIVATE kelvora_app gtest gmock gtest_main Threads::Threads)
    add_test(NAME host_tests COMMAND host_tests)
    set_tests_properties(host_tests PROPERTIES WORKING_DIRECTORY ${CMAKE_SOURCE_DIR})

    get_property(tools GLOBAL PROPERTY KELVORA_TOOLS)
    foreach(t ${tools})
      get_property(srcs GLOBAL PROPERTY KELVORA_TOOL_${t})
      add_executable(${t} ${srcs})
      kelvora_flags(${t})
      target_link_libraries(${t} PRIVATE kelvora_app)
    endforeach()

    get_property(benches GLOBAL PROPERTY KELVORA_BENCHES)
    foreach(b ${benches})
      get_property(srcs GLOBAL PROPERTY KELVORA_BENCH_${b})
      add_executable(${b} ${srcs})
      kelvora_flags(${b})
      target_link_libraries(${b} PRIVATE kelvora_app)
    endforeach()
    # `make bench` builds only these, with the skin package they measure, in a tree of its own.
    add_custom_target(benches DEPENDS ${benches} kelvora_skin)

    get_property(fuzzers GLOBAL PROPERTY KELVORA_FUZZERS)
    foreach(f ${fuzzers})
      get_property(src GLOBAL PROPERTY KELVORA_FUZZ_${f})
      get_property(corpus GLOBAL PROPERTY KELVORA_FUZZ_CORPUS_${f})
      add_executable(${f}_replay ${src} ${CMAKE_SOURCE_DIR}/fuzz/replay_main.cpp)
      kelvora_flags(${f}_replay)
      target_link_libraries(${f}_replay PRIVATE kelvora_app)
      add_test(NAME fuzz_replay_${f} COMMAND ${f}_replay ${corpus})
      if(KELVORA_FUZZ)
        add_executable(${f}_fuzzer ${src})
        kelvora_flags(${f}_fuzzer)
        target_link_libraries(${f}_fuzzer PRIVATE kelvora_app)
        target_link_options(${f}_fuzzer PRIVATE -fsanitize=fuzzer)
        set_property(GLOBAL APPEND PROPERTY KELVORA_FUZZER_TARGETS ${f}_fuzzer)
      endif()
    endforeach()
    get_property(fuzztargets GLOBAL PROPERTY KELVORA_FUZZER_TARGETS)
    if(fuzztargets)
      add_custom_target(fuzzers DEPENDS ${fuzztargets})
    endif()
  else()
    set(KELVORA_WINE_RUN ${CMAKE_SOURCE_DIR}/tools/wine-run.sh)
    add_executable(Kelvora WIN32 ${exesrc})
    kelvora_flags(Kelvora)
    target_link_libraries(Kelvora PRIVATE kelvora_app)
    target_link_options(Kelvora PRIVATE -static -static-libgcc -static-libstdc++)

    if(wintests)
      add_executable(win32_tests ${wintests})
      kelvora_flags(win32_tests)
      target_link_libraries(win32_tests PRIVATE kelvora_app gtest gmock gtest_main)
      target_link_options(win32_tests PRIVATE -static -static-libgcc -static-libstdc++)
      add_test(NAME win32_tests COMMAND ${KELVORA_WINE_RUN} $<TARGET_FILE:win32_tests>)
      set_tests_properties(win32_tests PROPERTIES TIMEOUT 600)
    endif()

    # Small Win32 programs the end-to-end tests start: tests/e2e/helpers/<name>.cpp.
    file(GLOB helpersrcs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/helpers/*.cpp)
    foreach(h ${helpersrcs})
      get_filename_component(n ${h} NAME_WE)
      add_executable(${n} ${h})
      kelvora_flags(${n})
      target_link_libraries(${n} PRIVATE user32 gdi32 kernel32 shell32 ole32)
      target_link_options(${n} PRIVATE -static -static-libgcc -static-libstdc++)
      list(APPEND helpertargets ${n})
    endforeach()
    if(e2etests)
      add_executable(e2e_tests ${e2etests})
      kelvora_flags(e2e_tests)
      target_link_libraries(e2e_tests PRIVATE gtest gmock gtest_main ole32 comctl32 shell32 gdi32
                                              user32 advapi32 psapi)
      target_link_options(e2e_tests PRIVATE -static -static-libgcc -static-libstdc++)
      add_dependencies(e2e_tests Kelvora ${helpertargets})
      add_test(NAME e2e_tests COMMAND ${KELVORA_WINE_RUN} $<TARGET_FILE:e2e_tests>)
      set_tests_properties(e2e_tests PROPERTIES TIMEOUT 1200
        ENVIRONMENT "KELVORA_EXE=$<TARGET_FILE:Kelvora>;KELVORA_BIN_DIR=${CMAKE_BINARY_DIR};KELVORA_ARTIFACTS=${CMAKE_BINARY_DIR}/artifacts")
    endif()
    # Win32 benchmarks, run under Wine by tools/bench.sh: bench/win32/<name>.cpp.
    file(GLOB winbench CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/win32/*.cpp)
    foreach(b ${winbench})
      get_filename_component(n ${b} NAME_WE)
      add_executable(bench_${n} ${b})
      kelvora_flags(bench_${n})
      target_link_libraries(bench_${n} PRIVATE kelvora_app psapi)
      target_link_options(bench_${n} PRIVATE -static -static-libgcc -static-libstdc++)
    endforeach()
  endif()
endfunction()
