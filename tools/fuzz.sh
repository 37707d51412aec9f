#!/usr/bin/env bash
# Builds every fuzz target with clang's libFuzzer (and ASan/UBSan) and runs each for
# FUZZ_SECONDS (default 60) from its corpus.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD="${KELVORA_BUILD:-$ROOT/build}/fuzz"
SECONDS_EACH="${FUZZ_SECONDS:-60}"
mkdir -p "$BUILD"
flags="-std=c++17 -O1 -g -fsanitize=fuzzer,address,undefined -finput-charset=UTF-8 -I$ROOT"
mapfile -t core < <(cd "$ROOT" && cmake -P /dev/stdin <<'CM' 2>&1
set(KELVORA_PORTABLE "")
function(kelvora_portable)
  foreach(f ${ARGN})
    message("${CMAKE_CURRENT_LIST_DIR}/${f}")
  endforeach()
endfunction()
function(kelvora_host_only)
  foreach(f ${ARGN})
    message("${CMAKE_CURRENT_LIST_DIR}/${f}")
  endforeach()
endfunction()
macro(kelvora_win32)
endmacro()
macro(kelvora_exe)
endmacro()
foreach(dir framework app cleanup sysutil tray skin/data skin/form skin/controls)
  if(EXISTS ${CMAKE_CURRENT_LIST_DIR}/${dir}/sources.cmake)
    set(CMAKE_CURRENT_LIST_DIR ${CMAKE_CURRENT_LIST_DIR}/${dir})
    include(${CMAKE_CURRENT_LIST_DIR}/sources.cmake)
    get_filename_component(CMAKE_CURRENT_LIST_DIR ${CMAKE_CURRENT_LIST_DIR} DIRECTORY)
  endif()
endforeach()
CM
)
for f in "$ROOT"/fuzz/*_fuzz.cpp; do
    name="$(basename "$f" _fuzz.cpp)"
    echo "== fuzzing $name for ${SECONDS_EACH}s"
    clang++ $flags -fexec-charset=UTF-8 "$f" "${core[@]}" -ljpeg -o "$BUILD/$name" 2>&1 | grep -v warning || true
    mkdir -p "$BUILD/corpus-$name"
    "$BUILD/$name" -max_total_time="$SECONDS_EACH" "$BUILD/corpus-$name" "$ROOT/fuzz/corpus/$name" 2>&1 | tail -3
done
