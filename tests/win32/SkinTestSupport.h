#pragma once
// Our skin package as the build leaves it beside the test programs (generated/), for the
// Windows tests and benchmarks of the skin.
#include <windows.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

inline std::vector<uint8_t> OurPackage() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string file = path;
    file = file.substr(0, file.find_last_of("\\/") + 1) + "generated\\KelvoraSkin.skn";
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
