#pragma once
// Our skin package as the build leaves it beside the test programs (generated/), and a
// skin data component that carries it, for the Windows tests and benchmarks of the skin.
#include <windows.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "framework/Component.h"
#include "framework/Graphics.h"
#include "framework/PrivateMessages.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinManager.h"
#include "skin/data/SkinReader.h"

inline std::vector<uint8_t> OurPackage() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string file = path;
    file = file.substr(0, file.find_last_of("\\/") + 1) + "generated\\KelvoraSkin.skn";
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A skin data component with our skin read through its stored form (check NoSkinLoaded).
// Any skin manager goes first, so that none skins the test windows on its own.
inline TUnowned<TSkinData> OurSkinData() {
    if (TSkinManager::Instance()) TSkinManager::Destroy();
    auto data = MakeUnowned<TSkinData>();
    const std::vector<uint8_t> stream = WriteSkinStream(OurPackage());
    data->ReadSkinStream(stream.data(), stream.size());
    return data;
}

// Our skin in a skin data component owned by owner, loaded as the main form's skin data
// is: with the application scope, so that it makes the skin manager (check NoSkinLoaded
// and TSkinManager::Instance()).
inline TSkinData* OurManagingSkinData(TComponent* owner) {
    if (TSkinManager::Instance()) TSkinManager::Destroy();
    TSkinData* data = MakeComponent<TSkinData>(owner);
    data->SetLoading(true);
    data->FormScope = sfMainform;
    data->SetActive(true);
    const std::vector<uint8_t> stream = WriteSkinStream(OurPackage());
    data->ReadSkinStream(stream.data(), stream.size());
    data->Loaded();
    return data;
}

// The frame as the window's skinner prints it: a picture of the whole window (window
// coordinates) with the client area left zero.
inline PixelBuffer PrintedFrame(HWND w) {
    RECT r{};
    GetWindowRect(w, &r);
    PixelBuffer picture(r.right - r.left, r.bottom - r.top);
    BufferDc dc(picture);
    SendMessageA(w, SKINMSG_PRINTFRAME, reinterpret_cast<WPARAM>(dc.get()), SKINMSG_ANNOUNCE_COOKIE);
    dc.Pixels();
    return picture;
}
