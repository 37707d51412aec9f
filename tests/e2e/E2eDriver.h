#pragma once
// Driving the real Kelvora.exe from outside under Wine: starting and ending processes,
// finding their windows, reading texts, status-bar panels and pixels, and clicking.
// Every wait pumps this thread's messages, so windows of the driver itself stay
// responsive while it waits.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

// Generous: under Wine every process start pays for loading the emulated system.
constexpr DWORD kStartTimeoutMs = 90000;
constexpr DWORD kActionTimeoutMs = 30000;

std::string EnvText(const char* name);
// A Unix path (as the build passes it) on Wine's Z: drive; Windows paths stay as they are.
std::string WindowsPath(const std::string& path);
// Kelvora.exe of this build (KELVORA_EXE).
std::string KelvoraExe();
// A helper program built beside the test driver (tests/e2e/helpers/<name>.cpp).
std::string HelperExe(const std::string& name);
// The folder for screenshots (KELVORA_ARTIFACTS), created on first use.
std::string ArtifactsFolder();

// Pumps this thread's messages for up to `ms` milliseconds.
void PumpFor(DWORD ms);

// A fresh folder under the temporary folder, removed with everything in it at the end.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    // With the trailing backslash.
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

// Points TMP and TEMP of the driver, and so of the programs it starts, at `folder` until
// it goes.
class TemporaryFolderVariables {
public:
    explicit TemporaryFolderVariables(const std::string& folder);
    ~TemporaryFolderVariables();
    TemporaryFolderVariables(const TemporaryFolderVariables&) = delete;
    TemporaryFolderVariables& operator=(const TemporaryFolderVariables&) = delete;

private:
    std::vector<std::string> saved_;
};

// A started process. Ended (TerminateProcess) and waited for when the object goes, so a
// failing test never leaves a copy of the program behind.
class Process {
public:
    Process() = default;
    Process(Process&& other) noexcept;
    Process& operator=(Process&& other) noexcept;
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    ~Process();

    // Starts `exe` with `arguments` in `folder` (empty: the exe's folder). Throws on failure.
    static Process Start(const std::string& exe, const std::string& arguments = "",
                         const std::string& folder = "");

    DWORD Id() const { return id_; }
    HANDLE Handle() const { return process_; }
    bool Running() const;
    // The exit code once the process has ended within `ms`; nothing if it still runs.
    std::optional<DWORD> WaitExit(DWORD ms) const;
    // Milliseconds from Start to now.
    DWORD Elapsed() const { return GetTickCount() - started_; }
    void Kill();

private:
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
    DWORD started_ = 0;
};

std::string ClassOf(HWND window);
// WM_GETTEXT, with a timeout so a hung target cannot hang the driver.
std::string TextOf(HWND window);
DWORD ProcessOf(HWND window);
LONG StyleOf(HWND window);
bool HasStyle(HWND window, LONG style);
// The window's rectangle in its parent's client coordinates (screen for top-level windows).
RECT RectInParent(HWND window);

// Top-level windows of a process (visible ones only if asked).
std::vector<HWND> TopLevelWindows(DWORD processId, bool visibleOnly);
// The process's top-level windows of one class.
std::vector<HWND> WindowsOfClass(const Process& process, const std::string& windowClass, bool visibleOnly);
// Waits until `done` holds, pumping messages; false on time-out.
bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs = kActionTimeoutMs);
// Waits for a visible top-level window of the process with this class (empty: any class)
// and caption; nullptr on timeout or when the process ends first.
HWND WaitForWindow(const Process& process, const std::string& windowClass,
                   const std::string& caption, DWORD timeoutMs);

// Every descendant window of `top`.
std::vector<HWND> Descendants(HWND top);
// The direct child of `parent` with this class and text (text may be left out: nullptr),
// optionally at this position in the parent's client area; nullptr when none.
HWND FindChild(HWND parent, const std::string& windowClass, const char* text,
               const RECT* rect = nullptr);

// Status-bar panels through the target's own memory (the messages fill a caller buffer).
std::vector<int> StatusBarParts(HWND bar);
std::string StatusBarText(HWND bar, int part);

// A click as the user makes it: BM_CLICK posted to a visible button; for a button on a
// page that is not shown, the BN_CLICKED notification it would send to its parent.
void PostButtonClick(HWND button);
// A real mouse click at a screen point (SendInput), once the cursor is there; false when
// the cursor does not get there. Wine drops a click that arrives while its desktop is
// still activating the target: call WaitActive on the window first.
bool MouseClickAt(POINT screen);
// The parts of a click, for presses that end elsewhere: the cursor moves to the point
// (false when it does not get there), then the button goes down or up there.
bool MouseMoveTo(POINT screen);
void MouseDownAt(POINT screen);
void MouseUpAt(POINT screen);
// A right press and release, each carrying the point itself, so the click lands there even
// if an earlier move has not reached the pointer yet.
void MouseRightClickAt(POINT screen);
// A click on a graphic control (a label), which has no window of its own: mouse move,
// press and release posted to its parent window at this client point.
void PostClientClick(HWND parent, int x, int y);

// Brings `window` to the front and waits until it is the foreground window, the active
// window of its thread, and its thread is back in its message loop (a sent message is
// answered); false on time-out.
bool WaitActive(HWND window, DWORD timeoutMs = kActionTimeoutMs);
// Whether the thread of `window` is tracking a menu (its menu loop has the input).
bool InMenuMode(HWND window);
// The rectangle of a tab of a tab control, in the control's client area.
std::optional<RECT> TabItemRect(HWND tab, int index);
// The skin engine's private messages: a skinned window answers kSkinQuery with 1 and
// kSkinPing (lParam kSkinCookie) with the cookie.
constexpr UINT kSkinQuery = 0x3523;
constexpr UINT kSkinPing = 0xBC4D;
constexpr LPARAM kSkinCookie = 0x41A2;
// The window's answer to a message (0 when it does not answer within 5 s).
LRESULT Ask(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
// The skin has taken over the window's frame: it answers the ping with the cookie.
bool WindowIsSkinned(HWND window);
// Our skin's caption buttons (the program draws them; the system reports no HTCLOSE or
// HTMINBUTTON for them): each is 28 x 22 pixels, 4 below the window's top edge, its left
// edge this many pixels left of the window's right edge.
enum class CaptionButton : int { Close = 34, Maximise = 64, Minimise = 94 };
// The screen point at the centre of one of them.
POINT CaptionButtonPoint(HWND window, CaptionButton button);
// How the skin draws the close button now: plain, hot (red, under the mouse) or pressed
// (deeper red), read from the screen.
enum class ButtonLook { Plain, Hot, Pressed };
ButtonLook CloseButtonLook(HWND window);
// A real click on the skin's close button, each step once the program shows it has seen
// the one before (hot under the cursor, then pressed): false when a step is not seen.
bool ClickCloseButton(HWND window);
// The file's bytes; nothing when it cannot be opened. Shares everything, so a file the
// program keeps open can still be read.
std::optional<std::string> ReadBytes(const std::string& path);

// The window's pixels as 0x00RRGGBB, captured from the screen.
struct Capture {
    int width = 0, height = 0;
    std::vector<uint32_t> pixels;
    uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    // Number of pixels in the rectangle for which `match(r, g, b)` holds.
    template <typename Match>
    int Count(const RECT& r, Match match) const {
        int n = 0;
        for (int y = r.top; y < r.bottom && y < height; ++y)
            for (int x = r.left; x < r.right && x < width; ++x) {
                uint32_t p = At(x, y);
                if (match((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF)) ++n;
            }
        return n;
    }
};
// The client area of `window` as it is on screen.
Capture CaptureClient(HWND window);
// The whole window, frame included, as it is on screen.
Capture CaptureWindow(HWND window);
// Writes a capture as a 24-bit BMP file; false on failure.
bool SaveBmp(const Capture& capture, const std::string& path);

}  // namespace e2e
