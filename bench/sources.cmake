# Programs the benchmark scripts start under Wine (bench/helpers/<name>.cpp); not
# benchmarks themselves, so tools/bench.sh does not run them directly.
if(KELVORA_WIN32)
  file(GLOB benchhelpers CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/helpers/*.cpp)
  foreach(h ${benchhelpers})
    get_filename_component(n ${h} NAME_WE)
    add_executable(${n} ${h})
    kelvora_flags(${n})
    target_link_libraries(${n} PRIVATE user32 gdi32 kernel32)
    target_link_options(${n} PRIVATE -static -static-libgcc -static-libstdc++)
  endforeach()
endif()
