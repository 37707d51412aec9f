#include "sysutil/Shortcut.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <vector>

#include "framework/SystemError.h"
#include "framework/Exceptions.h"
#include "sysutil/ShortcutPaths.h"

namespace {

const CLSID kShellLinkClass = {0x00021401, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const IID kShellLinkA = {0x000214EE, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const IID kPersistFile = {0x0000010B, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

// One COM reference, released once.
template <class T>
class ComRef {
public:
    ComRef() = default;
    ~ComRef() {
        if (p_) p_->Release();
    }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    T* operator->() const { return p_; }
    T* get() const { return p_; }
    void** out() { return reinterpret_cast<void**>(&p_); }

private:
    T* p_ = nullptr;
};

[[noreturn]] void RaiseComError(HRESULT result) {
    throw EOleSysError(SystemMessageText(static_cast<DWORD>(result)), result);
}

bool IsFile(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsDirectory(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The path of a shell special folder, or false.
bool SpecialFolderPath(int csidl, std::string& path) {
    LPITEMIDLIST items = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, &items)) || !items) return false;
    char buffer[MAX_PATH + 1] = {};
    const BOOL ok = SHGetPathFromIDListA(items, buffer);
    CoTaskMemFree(items);
    if (!ok) return false;
    path = buffer;
    return true;
}

std::wstring Widen(const std::string& text) {
    const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    if (length <= 0) return std::wstring();
    std::vector<wchar_t> wide(static_cast<std::size_t>(length));
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length);
    return std::wstring(wide.data());
}

}  // namespace

bool CreateShortcut(const std::string& target, const std::string& linkName, const std::string& folder,
                    int specialFolder) {
    if (!IsFile(target)) return false;
    const std::string name = linkName.empty() ? LinkNameFromTarget(target) : linkName;

    ComRef<IUnknown> object;
    HRESULT result = CoCreateInstance(kShellLinkClass, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                                      IID_IUnknown, object.out());
    if (FAILED(result)) RaiseComError(result);
    ComRef<IShellLinkA> link;
    result = object->QueryInterface(kShellLinkA, link.out());
    if (FAILED(result)) RaiseComError(result);

    link->SetPath(target.c_str());
    link->SetWorkingDirectory(FolderPartOf(target).c_str());

    if (folder.empty() && specialFolder == -1) specialFolder = CSIDL_DESKTOP;
    std::string shortcutPath;
    if (specialFolder >= 0) {
        std::string specialPath;
        if (!SpecialFolderPath(specialFolder, specialPath)) return false;
        shortcutPath = ShortcutFilePath(specialPath, name);
    } else {
        const std::string directory = WithoutTrailingBackslash(folder);
        if (!IsDirectory(directory)) return false;
        shortcutPath = ShortcutFilePath(directory, name);
    }

    ComRef<IPersistFile> file;
    result = object->QueryInterface(kPersistFile, file.out());
    if (FAILED(result)) RaiseComError(result);
    return file->Save(Widen(shortcutPath).c_str(), FALSE) == S_OK;
}
