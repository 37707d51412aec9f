#include "E2eDriver.h"

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace e2e {

std::string EnvText(const char* name) {
    char buffer[4096];
    DWORD n = GetEnvironmentVariableA(name, buffer, sizeof buffer);
    return n > 0 && n < sizeof buffer ? std::string(buffer, n) : std::string();
}

std::optional<std::string> ReadBytes(const std::string& path) {
    HANDLE f = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE) return std::nullopt;
    std::string bytes;
    char buffer[4096];
    DWORD n = 0;
    while (ReadFile(f, buffer, sizeof buffer, &n, nullptr) && n > 0) bytes.append(buffer, n);
    CloseHandle(f);
    return bytes;
}

std::string WindowsPath(const std::string& path) {
    if (path.empty() || path[0] != '/') return path;
    std::string out = "Z:";
    for (char c : path) out += c == '/' ? '\\' : c;
    return out;
}

std::string KelvoraExe() { return WindowsPath(EnvText("KELVORA_EXE")); }

std::string HelperExe(const std::string& name) {
    char self[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string folder(self, n);
    folder.erase(folder.find_last_of('\\') + 1);
    return folder + name + ".exe";
}

std::string ArtifactsFolder() {
    std::string folder = WindowsPath(EnvText("KELVORA_ARTIFACTS"));
    if (folder.empty()) {
        folder = HelperExe("artifacts");
        folder.resize(folder.size() - 4);  // without ".exe"
    }
    CreateDirectoryA(folder.c_str(), nullptr);
    if (folder.back() != '\\') folder += '\\';
    return folder;
}

void PumpFor(DWORD ms) {
    const DWORD start = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        DWORD spent = GetTickCount() - start;
        if (spent >= ms) return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, ms - spent < 20 ? ms - spent : 20, QS_ALLINPUT);
    }
}

// ---- Temporary folders ----

namespace {
void RemoveTree(const std::string& folder) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string name = found.cFileName;
            if (name == "." || name == "..") continue;
            std::string path = folder + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(path + "\\");
            } else {
                SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(path.c_str());
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}
}  // namespace

TempFolder::TempFolder() {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    static int counter = 0;
    char name[64];
    std::snprintf(name, sizeof name, "kelvora-e2e-%lu-%d\\", GetCurrentProcessId(), ++counter);
    path_ = std::string(temp) + name;
    RemoveTree(path_);
    if (!CreateDirectoryA(path_.c_str(), nullptr)) throw std::runtime_error("cannot create " + path_);
}

TempFolder::~TempFolder() { RemoveTree(path_); }

TemporaryFolderVariables::TemporaryFolderVariables(const std::string& folder) {
    for (const char* name : {"TMP", "TEMP"}) {
        saved_.push_back(EnvText(name));
        SetEnvironmentVariableA(name, folder.c_str());
    }
}

TemporaryFolderVariables::~TemporaryFolderVariables() {
    SetEnvironmentVariableA("TMP", saved_[0].empty() ? nullptr : saved_[0].c_str());
    SetEnvironmentVariableA("TEMP", saved_[1].empty() ? nullptr : saved_[1].c_str());
}

// ---- Processes ----

Process::Process(Process&& other) noexcept
    : process_(other.process_), id_(other.id_), started_(other.started_) {
    other.process_ = nullptr;
}

Process& Process::operator=(Process&& other) noexcept {
    if (this != &other) {
        Kill();
        process_ = other.process_;
        id_ = other.id_;
        started_ = other.started_;
        other.process_ = nullptr;
    }
    return *this;
}

Process::~Process() { Kill(); }

Process Process::Start(const std::string& exe, const std::string& arguments, const std::string& folder) {
    std::string commandLine = "\"" + exe + "\"";
    if (!arguments.empty()) commandLine += " " + arguments;
    std::string dir = folder;
    if (dir.empty()) dir = exe.substr(0, exe.find_last_of('\\') + 1);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        dir.c_str(), &startup, &info))
        throw std::runtime_error("cannot start " + exe + " (error " + std::to_string(GetLastError()) + ")");
    CloseHandle(info.hThread);
    Process p;
    p.process_ = info.hProcess;
    p.id_ = info.dwProcessId;
    p.started_ = GetTickCount();
    return p;
}

bool Process::Running() const {
    return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> Process::WaitExit(DWORD ms) const {
    if (!process_) return std::nullopt;
    const DWORD start = GetTickCount();
    while (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
        if (GetTickCount() - start >= ms) return std::nullopt;
        PumpFor(10);
    }
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    return code;
}

void Process::Kill() {
    if (!process_) return;
    if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_, 1);
        WaitForSingleObject(process_, 10000);
    }
    CloseHandle(process_);
    process_ = nullptr;
}

// ---- Windows ----

std::string ClassOf(HWND window) {
    char name[256] = {};
    int n = GetClassNameA(window, name, sizeof name);
    return std::string(name, n > 0 ? n : 0);
}

std::string TextOf(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length))
        return std::string();
    std::string text(length + 1, '\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]),
                        SMTO_ABORTIFHUNG, 5000, &copied);
    text.resize(copied);
    return text;
}

DWORD ProcessOf(HWND window) {
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    return id;
}

LONG StyleOf(HWND window) { return GetWindowLongA(window, GWL_STYLE); }

bool HasStyle(HWND window, LONG style) { return (StyleOf(window) & style) == style; }

RECT RectInParent(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    HWND parent = (StyleOf(window) & WS_CHILD) ? GetParent(window) : nullptr;
    if (parent) MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

namespace {
struct TopLevelSearch {
    DWORD processId;
    bool visibleOnly;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<TopLevelSearch*>(param);
    if (ProcessOf(window) == search->processId && (!search->visibleOnly || IsWindowVisible(window)))
        search->found.push_back(window);
    return TRUE;
}

BOOL CALLBACK CollectChild(HWND window, LPARAM param) {
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
    return TRUE;
}
}  // namespace

std::vector<HWND> TopLevelWindows(DWORD processId, bool visibleOnly) {
    TopLevelSearch search{processId, visibleOnly, {}};
    EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForWindow(const Process& process, const std::string& windowClass, const std::string& caption,
                   DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        for (HWND w : TopLevelWindows(process.Id(), true))
            if ((windowClass.empty() || ClassOf(w) == windowClass) && TextOf(w) == caption) return w;
        if (!process.Running() || GetTickCount() - start >= timeoutMs) return nullptr;
        PumpFor(25);
    }
}

std::vector<HWND> Descendants(HWND top) {
    std::vector<HWND> found;
    EnumChildWindows(top, CollectChild, reinterpret_cast<LPARAM>(&found));
    return found;
}

HWND FindChild(HWND parent, const std::string& windowClass, const char* text, const RECT* rect) {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (ClassOf(child) != windowClass) continue;
        if (text && TextOf(child) != text) continue;
        if (rect) {
            RECT actual = RectInParent(child);
            if (!EqualRect(rect, &actual)) continue;
        }
        return child;
    }
    return nullptr;
}

// ---- Status bar ----

namespace {
// Memory in another process, freed when the object goes.
class RemoteBuffer {
public:
    RemoteBuffer(HWND window, size_t size) : size_(size) {
        process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE,
                               ProcessOf(window));
        if (process_)
            address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    }
    ~RemoteBuffer() {
        if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
        if (process_) CloseHandle(process_);
    }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;
    bool Ok() const { return address_ != nullptr; }
    LPARAM Address() const { return reinterpret_cast<LPARAM>(address_); }
    std::vector<char> Read() const {
        std::vector<char> bytes(size_);
        SIZE_T got = 0;
        ReadProcessMemory(process_, address_, bytes.data(), size_, &got);
        bytes.resize(got);
        return bytes;
    }

private:
    HANDLE process_ = nullptr;
    void* address_ = nullptr;
    size_t size_;
};
}  // namespace

std::vector<int> StatusBarParts(HWND bar) {
    RemoteBuffer remote(bar, 64 * sizeof(int));
    if (!remote.Ok()) return {};
    DWORD_PTR count = 0;
    SendMessageTimeoutA(bar, SB_GETPARTS, 64, remote.Address(), SMTO_ABORTIFHUNG, 5000, &count);
    std::vector<char> bytes = remote.Read();
    std::vector<int> parts;
    for (DWORD_PTR i = 0; i < count && (i + 1) * sizeof(int) <= bytes.size(); ++i) {
        int v;
        memcpy(&v, bytes.data() + i * sizeof(int), sizeof v);
        parts.push_back(v);
    }
    return parts;
}

std::string StatusBarText(HWND bar, int part) {
    // SB_GETTEXTLENGTHA may count characters rather than bytes: a buffer of ample size.
    RemoteBuffer remote(bar, 4096);
    if (!remote.Ok()) return std::string();
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(bar, SB_GETTEXTA, part, remote.Address(), SMTO_ABORTIFHUNG, 5000, &ignored);
    std::vector<char> bytes = remote.Read();
    return std::string(bytes.data(), strnlen(bytes.data(), bytes.size()));
}

// ---- Input ----

void PostButtonClick(HWND button) {
    if (IsWindowVisible(button)) {
        PostMessageA(button, BM_CLICK, 0, 0);
    } else {
        const int id = GetDlgCtrlID(button);
        PostMessageA(GetParent(button), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(button));
    }
}

namespace {
// One mouse event at a screen point. Each event carries the point: when a press makes the
// target take the mouse capture, Wine grabs the X pointer and reports where X has it,
// which need not be where Wine's cursor is; without the point the release would land there.
void SendMouse(POINT screen, DWORD buttonFlags) {
    const int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    INPUT in = {};
    in.type = INPUT_MOUSE;
    // The centre of the pixel in normalised coordinates (0..65535 across the screen).
    in.mi.dx = static_cast<LONG>((screen.x * 65536LL + 32768) / (cx > 0 ? cx : 1));
    in.mi.dy = static_cast<LONG>((screen.y * 65536LL + 32768) / (cy > 0 ? cy : 1));
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | buttonFlags;
    SendInput(1, &in, sizeof(INPUT));
}
}  // namespace

// Wine moves the X pointer for an injected move under a short pointer grab. The grab's
// crossing events reach the desktop's process carrying the pointer's previous position,
// and that process feeds them back as input when it gets to them: the pointer can jump
// back to where it was after the program has already seen it arrive. Arriving through
// the neighbouring pixel makes that late position the target's neighbour, which is over
// the same thing, instead of the place the last step left.
bool MouseMoveTo(POINT screen) {
    SendMouse(POINT{screen.x > 0 ? screen.x - 1 : screen.x + 1, screen.y}, 0);
    SendMouse(screen, 0);
    return WaitUntil(
        [&] {
            POINT now;
            return GetCursorPos(&now) && std::abs(now.x - screen.x) <= 1 && now.y == screen.y;
        },
        5000);
}

void MouseDownAt(POINT screen) { SendMouse(screen, MOUSEEVENTF_LEFTDOWN); }

void MouseUpAt(POINT screen) { SendMouse(screen, MOUSEEVENTF_LEFTUP); }

void MouseRightClickAt(POINT screen) {
    SendMouse(screen, MOUSEEVENTF_RIGHTDOWN);
    SendMouse(screen, MOUSEEVENTF_RIGHTUP);
}

bool MouseClickAt(POINT screen) {
    SetCursorPos(screen.x, screen.y);
    const bool there = WaitUntil(
        [&] {
            POINT now;
            return GetCursorPos(&now) && now.x == screen.x && now.y == screen.y;
        },
        5000);
    if (!there) return false;
    MouseDownAt(screen);
    PumpFor(50);
    MouseUpAt(screen);
    return true;
}

void PostClientClick(HWND parent, int x, int y) {
    const LPARAM point = MAKELPARAM(x, y);
    PostMessageA(parent, WM_MOUSEMOVE, 0, point);
    PostMessageA(parent, WM_LBUTTONDOWN, MK_LBUTTON, point);
    PostMessageA(parent, WM_LBUTTONUP, 0, point);
}

namespace {
bool ThreadInfoOf(HWND window, GUITHREADINFO& info) {
    info = GUITHREADINFO{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) != FALSE;
}

// Answered only once the window's thread handles messages again.
bool Responds(HWND window) {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored) != 0;
}
}  // namespace

bool WaitActive(HWND window, DWORD timeoutMs) {
    SetForegroundWindow(window);
    return WaitUntil(
        [&] {
            GUITHREADINFO info;
            return IsWindowVisible(GetDesktopWindow()) && GetForegroundWindow() == window &&
                   ThreadInfoOf(window, info) && info.hwndActive == window && Responds(window);
        },
        timeoutMs);
}

bool InMenuMode(HWND window) {
    GUITHREADINFO info;
    return ThreadInfoOf(window, info) && (info.flags & GUI_INMENUMODE) != 0;
}

std::optional<RECT> TabItemRect(HWND tab, int index) {
    RemoteBuffer remote(tab, sizeof(RECT));
    if (!remote.Ok()) return std::nullopt;
    DWORD_PTR ok = 0;
    if (!SendMessageTimeoutA(tab, TCM_GETITEMRECT, index, remote.Address(), SMTO_ABORTIFHUNG, 5000, &ok) || !ok)
        return std::nullopt;
    std::vector<char> bytes = remote.Read();
    if (bytes.size() < sizeof(RECT)) return std::nullopt;
    RECT r;
    memcpy(&r, bytes.data(), sizeof r);
    return r;
}

LRESULT Ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &answer)) return 0;
    return static_cast<LRESULT>(answer);
}

// Skinned means the frame is fitted: the skinner answers the ping at attach, and the
// shaped region comes with the fitted frame a posted message later.
bool WindowIsSkinned(HWND window) {
    if (Ask(window, kSkinPing, 0, kSkinCookie) != kSkinCookie) return false;
    HRGN probe = CreateRectRgn(0, 0, 0, 0);
    const bool shaped = GetWindowRgn(window, probe) != ERROR;
    DeleteObject(probe);
    return shaped;
}

POINT CaptionButtonPoint(HWND window, CaptionButton button) {
    constexpr int kWidth = 28, kHeight = 22, kTop = 4;
    RECT r;
    GetWindowRect(window, &r);
    return POINT{r.right - static_cast<int>(button) + kWidth / 2, r.top + kTop + kHeight / 2};
}

ButtonLook CloseButtonLook(HWND window) {
    Capture shot = CaptureWindow(window);
    const int left = shot.width - static_cast<int>(CaptionButton::Close);
    const RECT inside{left + 3, 4 + 3, left + 25, 4 + 19};  // within the round corners
    const int hot = shot.Count(inside, [](unsigned r, unsigned g, unsigned b) { return r > 210 && g < 110 && b < 100; });
    const int pressed = shot.Count(inside, [](unsigned r, unsigned g, unsigned b) {
        return r > 150 && r < 205 && g < 90 && b < 80;
    });
    if (hot > 150) return ButtonLook::Hot;
    return pressed > 150 ? ButtonLook::Pressed : ButtonLook::Plain;
}

bool ClickCloseButton(HWND window) {
    const POINT close = CaptionButtonPoint(window, CaptionButton::Close);
    // From a point off the window first: a pointer already resting where the box now is
    // (left there by an earlier step) does not move, and the box sees no mouse move.
    if (!MouseMoveTo(POINT{5, 5}) || !MouseMoveTo(close) || !WaitUntil([&] { return CloseButtonLook(window) == ButtonLook::Hot; })) return false;
    MouseDownAt(close);
    if (!WaitUntil([&] { return CloseButtonLook(window) == ButtonLook::Pressed; })) return false;
    MouseUpAt(close);
    return true;
}

// ---- Pixels ----

namespace {
Capture CaptureScreen(POINT origin, int width, int height) {
    Capture capture;
    capture.width = width;
    capture.height = height;
    if (capture.width <= 0 || capture.height <= 0) return capture;

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = capture.width;
    info.bmiHeader.biHeight = -capture.height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, capture.width, capture.height, screen, origin.x, origin.y, SRCCOPY);
        GdiFlush();
        const auto* p = static_cast<const uint32_t*>(bits);
        capture.pixels.assign(p, p + static_cast<size_t>(capture.width) * capture.height);
        for (uint32_t& px : capture.pixels) px &= 0xFFFFFF;
        SelectObject(memory, old);
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return capture;
}
}  // namespace

Capture CaptureClient(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    return CaptureScreen(origin, client.right, client.bottom);
}

Capture CaptureWindow(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return CaptureScreen(POINT{r.left, r.top}, r.right - r.left, r.bottom - r.top);
}

bool SaveBmp(const Capture& capture, const std::string& path) {
    if (capture.pixels.empty()) return false;
    const int stride = (capture.width * 3 + 3) & ~3;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = capture.width;
    header.biHeight = capture.height;  // bottom-up
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biSizeImage = stride * capture.height;
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + header.biSizeImage;
    FILE* out = std::fopen(path.c_str(), "wb");
    if (!out) return false;
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&header, sizeof header, 1, out);
    std::vector<unsigned char> row(stride, 0);
    for (int y = capture.height - 1; y >= 0; --y) {
        for (int x = 0; x < capture.width; ++x) {
            uint32_t p = capture.At(x, y);
            row[x * 3] = p & 0xFF;
            row[x * 3 + 1] = (p >> 8) & 0xFF;
            row[x * 3 + 2] = (p >> 16) & 0xFF;
        }
        std::fwrite(row.data(), 1, row.size(), out);
    }
    return std::fclose(out) == 0;
}

std::vector<HWND> WindowsOfClass(const Process& process, const std::string& windowClass, bool visibleOnly) {
    std::vector<HWND> found;
    for (HWND w : TopLevelWindows(process.Id(), visibleOnly))
        if (ClassOf(w) == windowClass) found.push_back(w);
    return found;
}

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > timeoutMs) return false;
        PumpFor(25);
    }
    return true;
}

}  // namespace e2e
