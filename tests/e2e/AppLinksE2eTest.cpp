// The web links of the real program: a stand-in browser is registered as the handler of
// http addresses in the test prefix, and every link is followed to the address it opens.
#include "E2eKelvora.h"

#include <tlhelp32.h>

#include <string>
#include <vector>

using namespace e2e;

namespace {

// Makes `command` the shell's open command for http addresses until the object goes,
// then puts back what was there (or removes the key when there was none).
class HttpHandler {
public:
    explicit HttpHandler(const std::string& command) {
        if (RegCreateKeyExA(HKEY_CLASSES_ROOT, kKey, 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key_,
                            &disposition_) != ERROR_SUCCESS) {
            key_ = nullptr;
            return;
        }
        BYTE data[2048];
        DWORD size = sizeof data;
        if (RegQueryValueExA(key_, nullptr, nullptr, &savedType_, data, &size) == ERROR_SUCCESS) {
            saved_.assign(data, data + size);
            hadValue_ = true;
        }
        ok_ = RegSetValueExA(key_, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                             static_cast<DWORD>(command.size() + 1)) == ERROR_SUCCESS;
    }
    ~HttpHandler() {
        if (!key_) return;
        if (hadValue_)
            RegSetValueExA(key_, nullptr, 0, savedType_, saved_.data(), static_cast<DWORD>(saved_.size()));
        else
            RegDeleteValueA(key_, nullptr);
        RegCloseKey(key_);
        if (disposition_ == REG_CREATED_NEW_KEY) RegDeleteKeyA(HKEY_CLASSES_ROOT, kKey);
    }
    HttpHandler(const HttpHandler&) = delete;
    HttpHandler& operator=(const HttpHandler&) = delete;
    bool Ok() const { return ok_; }

private:
    static constexpr const char* kKey = "http\\shell\\open\\command";
    HKEY key_ = nullptr;
    DWORD disposition_ = 0;
    DWORD savedType_ = REG_SZ;
    std::vector<BYTE> saved_;
    bool hadValue_ = false;
    bool ok_ = false;
};

// The lines of a text file with CR LF breaks; empty when the file is missing.
std::vector<std::string> FileLines(const std::string& path) {
    std::vector<std::string> lines;
    HANDLE f = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE) return lines;
    std::string text;
    char buffer[4096];
    DWORD n = 0;
    while (ReadFile(f, buffer, sizeof buffer, &n, nullptr) && n > 0) text.append(buffer, n);
    CloseHandle(f);
    for (size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

RECT At(int left, int top, int width, int height) { return RECT{left, top, left + width, top + height}; }

// Whether a process with this executable name runs.
bool ProcessRuns(const char* name) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return false;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    bool found = false;
    for (BOOL more = Process32First(snapshot, &entry); more && !found; more = Process32Next(snapshot, &entry))
        found = lstrcmpiA(entry.szExeFile, name) == 0;
    CloseHandle(snapshot);
    return found;
}

const std::string kSupport = "http://kelvora.net/?qq=Kelvora";
const std::string kOfficial = "http://www.kelvora.net/?qq=Kelvora";
// "检测更新" is the tray menu's second command.
constexpr int kUpdateMenuPosition = 2;

}  // namespace

class AppLinksE2e : public KelvoraTest {};

// Label2 on the banner, the tray item "检测更新", and on the about page Label8 (official
// site) and Label10 (support site): each opens one address once, built from the version
// edit's text as it stands at the click.
TEST_F(AppLinksE2e, EveryLinkOpensItsAddressWithTheVersionText) {
    const std::string opened = folder_->Path() + "opened.txt";
    HttpHandler handler("\"" + HelperExe("record_url") + "\" \"" + opened + "\" \"%1\"");
    ASSERT_TRUE(handler.Ok()) << "cannot register the stand-in browser";

    HWND main = StartAndWaitForMainWindow(first_);
    ASSERT_NE(main, nullptr);
    const RECT versionRect = At(360, 8, 81, 15);
    HWND version = FindChild(main, "Edit", nullptr, &versionRect);
    ASSERT_NE(version, nullptr) << "no version edit";
    const std::string shipped = TextOf(version);
    EXPECT_EQ(shipped, "1.0.20110422");
    EXPECT_FALSE(IsWindowEnabled(version)) << "the user could change the version";

    // The stand-in browser is a console program: Wine shows a console window for it that
    // takes the foreground and leaves none behind when it closes, as a browser coming up
    // would. The next step waits for it to be gone; a menu opened while that window comes or
    // goes is closed unused, so the program is brought back to the front before the menu.
    std::vector<std::string> expected;
    auto expectOpened = [&](const std::string& address, const char* what) {
        expected.push_back(address);
        EXPECT_TRUE(WaitUntil([&] { return FileLines(opened).size() >= expected.size(); }, kStartTimeoutMs))
            << what << " opened nothing";
        EXPECT_EQ(FileLines(opened), expected) << what;
        EXPECT_TRUE(WaitUntil([] {
            return !ProcessRuns("record_url.exe") && !IsWindowVisible(FindWindowA("WineConsoleClass", nullptr));
        })) << "the stand-in browser stays";
    };

    // The start-up activation settles first: a click or a menu that comes while the desktop
    // still activates the window can be lost.
    ASSERT_TRUE(WaitActive(main));
    PostClientClick(main, 304 + 6, 32 + 5);  // Label2, "技术支持: ..."
    expectOpened(kSupport + shipped, "Label2");

    ASSERT_TRUE(WaitActive(main));
    HWND menu = OpenTrayMenu();
    ASSERT_NE(menu, nullptr) << "no tray menu";
    ChooseFromMenu(menu, kUpdateMenuPosition);
    expectOpened(kSupport + shipped, "检测更新");

    // The about page, opened by a click on its tab.
    const RECT pagesRect = At(0, 89, 445, 224);
    HWND pages = FindChild(main, "SysTabControl32", nullptr, &pagesRect);
    ASSERT_NE(pages, nullptr);
    std::optional<RECT> tab = TabItemRect(pages, 2);
    ASSERT_TRUE(tab.has_value());
    PostClientClick(pages, (tab->left + tab->right) / 2, (tab->top + tab->bottom) / 2);
    HWND about = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        about = FindChild(pages, "TTabSheet", "关于我们");
        return about && IsWindowVisible(about);
    })) << "the about page does not show";
    HWND group = FindChild(about, "TGroupBox", nullptr);
    ASSERT_NE(group, nullptr);

    PostClientClick(group, 32 + 6, 56 + 5);  // Label8, "软件官方: ..."
    expectOpened(kOfficial + shipped, "Label8");

    // The version is read at each click: another text in the edit goes into the address.
    const char* changed = "9.8.7654";
    SendMessageTimeoutA(version, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(changed), SMTO_ABORTIFHUNG, 5000, nullptr);
    PostClientClick(group, 32 + 6, 104 + 5);  // Label10, "反馈问题: 点击反馈信息"
    expectOpened(kSupport + changed, "Label10");

    // Labels without a link open nothing: Label9 (the e-mail address) and Label7.
    PostClientClick(group, 32 + 6, 80 + 5);
    PostClientClick(group, 32 + 6, 32 + 5);
    PumpFor(1500);
    EXPECT_EQ(FileLines(opened), expected);
    EXPECT_TRUE(first_.Running());
}
