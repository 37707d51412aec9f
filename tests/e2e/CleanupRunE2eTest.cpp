// The one-key optimisation of the real program, driven from outside: the run over a list
// of names against copies of an idle helper program, its log, bars and batch file, the
// same run from the tray menu, the lock on the running batch, the list file on load, edit
// and "保存", a list file that cannot be replaced, and the desktop shortcut.
#include "E2eKelvora.h"

#include <commctrl.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <vector>

using namespace e2e;

namespace {

// "一键清理" is the tray menu's first command: one arrow press from no selection.
constexpr int kCleanMenuPosition = 1;

RECT At(int left, int top, int width, int height) { return RECT{left, top, left + width, top + height}; }

void WriteBytes(const std::string& path, const std::string& bytes) {
    HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(f, INVALID_HANDLE_VALUE) << "cannot write " << path;
    DWORD written = 0;
    WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(f);
    ASSERT_EQ(written, bytes.size());
}

// The lines of a multi-line edit (a line break after the last line adds none).
std::vector<std::string> LinesOf(HWND edit) {
    const std::string text = TextOf(edit);
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find("\r\n", start);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

int BarPosition(HWND bar) {
    DWORD_PTR position = 0;
    if (!SendMessageTimeoutA(bar, PBM_GETPOS, 0, 0, SMTO_ABORTIFHUNG, 5000, &position)) return -1;
    return static_cast<int>(position);
}

unsigned MemoryLoadNow() {
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    GlobalMemoryStatusEx(&status);
    return status.dwMemoryLoad;
}

// Touched memory of the driver's own that raises the system's memory load while it is
// held: a twentieth of the physical memory, or less when that much is not free.
class MemoryBallast {
public:
    MemoryBallast() {
        MEMORYSTATUSEX status{};
        status.dwLength = sizeof status;
        GlobalMemoryStatusEx(&status);
        size_ = static_cast<SIZE_T>(status.ullTotalPhys / 20);
        if (size_ > status.ullAvailPhys / 2) size_ = static_cast<SIZE_T>(status.ullAvailPhys / 2);
        percent_ = static_cast<unsigned>(size_ * 100 / status.ullTotalPhys);
        memory_ = static_cast<char*>(VirtualAlloc(nullptr, size_, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
        if (memory_)
            for (SIZE_T i = 0; i < size_; i += 4096) static_cast<volatile char*>(memory_)[i] = 1;
    }
    ~MemoryBallast() { Release(); }
    void Release() {
        if (memory_) VirtualFree(memory_, 0, MEM_RELEASE);
        memory_ = nullptr;
    }
    MemoryBallast(const MemoryBallast&) = delete;
    MemoryBallast& operator=(const MemoryBallast&) = delete;
    // The share of physical memory held, in percent; 0 when nothing could be taken.
    unsigned Percent() const { return memory_ ? percent_ : 0; }

private:
    char* memory_ = nullptr;
    SIZE_T size_ = 0;
    unsigned percent_ = 0;
};

// Waits until the memory load has risen at least three points above `base`.
bool LoadRoseFrom(unsigned base) {
    return WaitUntil([&] { return MemoryLoadNow() >= base + 3; }, 10000);
}

// Ids of the running processes with this executable name.
std::vector<DWORD> ProcessIdsNamed(const char* name) {
    std::vector<DWORD> ids;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return ids;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
        if (lstrcmpiA(entry.szExeFile, name) == 0) ids.push_back(entry.th32ProcessID);
    CloseHandle(snapshot);
    return ids;
}

void EndProcessesNamed(const char* name) {
    for (DWORD id : ProcessIdsNamed(name)) {
        HANDLE p = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id);
        if (!p) continue;
        TerminateProcess(p, 0);
        WaitForSingleObject(p, 5000);
        CloseHandle(p);
    }
}

bool CanOpenForWriting(const std::string& path) {
    HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE) return false;
    CloseHandle(f);
    return true;
}

std::string TempFolderPath() {
    char temp[MAX_PATH];
    DWORD n = GetTempPathA(MAX_PATH, temp);
    return std::string(temp, n);
}

// The shell link class and its interfaces, named here so no GUID library is needed.
const CLSID kShellLinkClass = {0x00021401, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const IID kShellLinkA = {0x000214EE, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const IID kPersistFile = {0x0000010B, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

struct ShortcutContent {
    std::string target, workingDirectory;
};

// Reads a .lnk back through the shell link object; nothing when it does not load.
std::optional<ShortcutContent> ReadShortcut(const std::string& path) {
    IShellLinkA* link = nullptr;
    if (FAILED(CoCreateInstance(kShellLinkClass, nullptr, CLSCTX_INPROC_SERVER, kShellLinkA,
                                reinterpret_cast<void**>(&link))))
        return std::nullopt;
    std::optional<ShortcutContent> content;
    IPersistFile* file = nullptr;
    if (SUCCEEDED(link->QueryInterface(kPersistFile, reinterpret_cast<void**>(&file)))) {
        std::wstring wide(path.size() + 1, L'\0');
        int n = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, &wide[0], static_cast<int>(wide.size()));
        wide.resize(n > 0 ? n - 1 : 0);
        if (file->Load(wide.c_str(), STGM_READ) == S_OK) {
            char target[MAX_PATH + 1] = {}, folder[MAX_PATH + 1] = {};
            if (SUCCEEDED(link->GetPath(target, sizeof target, nullptr, SLGP_RAWPATH)) &&
                SUCCEEDED(link->GetWorkingDirectory(folder, sizeof folder)))
                content = ShortcutContent{target, folder};
        }
        file->Release();
    }
    link->Release();
    return content;
}

bool SameFileName(const std::string& a, const std::string& b) { return lstrcmpiA(a.c_str(), b.c_str()) == 0; }

// The controls of the main window these tests act on.
struct MainControls {
    HWND main = nullptr;
    HWND clear = nullptr;    // "一键优化"
    HWND log = nullptr;      // Memo_Log
    HWND before = nullptr;   // ProgressBar1
    HWND after = nullptr;    // ProgressBar2
    HWND editor = nullptr;   // Memo_Process
    HWND load = nullptr;     // "保存"
    HWND status = nullptr;   // StatusBar1

    bool Complete() const { return clear && log && before && after && editor && load && status; }
};

MainControls FindControls(HWND main) {
    MainControls c;
    c.main = main;
    c.clear = FindChild(main, "Button", "一键优化");
    c.status = FindChild(main, "msctls_statusbar32", nullptr);
    const RECT pagesRect = At(0, 89, 445, 224);
    HWND pages = FindChild(main, "SysTabControl32", nullptr, &pagesRect);
    if (!pages) return c;
    HWND sheet1 = FindChild(pages, "TTabSheet", "软件设置");
    HWND sheet2 = FindChild(pages, "TTabSheet", "自定义管理");
    HWND group1 = sheet1 ? FindChild(sheet1, "TGroupBox", "系统性能指数 (越小越好)") : nullptr;
    HWND group2 = sheet2 ? FindChild(sheet2, "TGroupBox", "残余进程列表") : nullptr;
    if (group1) {
        c.log = FindChild(group1, "Edit", nullptr);
        const RECT beforeRect = At(100, 20, 283, 23), afterRect = At(100, 49, 283, 23);
        c.before = FindChild(group1, "msctls_progress32", nullptr, &beforeRect);
        c.after = FindChild(group1, "msctls_progress32", nullptr, &afterRect);
    }
    if (group2) {
        c.editor = FindChild(group2, "Edit", nullptr);
        c.load = FindChild(group2, "Button", "保存");
    }
    return c;
}

// Types text into an edit at the end of its text, one posted character at a time, as
// the keyboard would (a multi-line edit reports EN_CHANGE for typed text).
void TypeAtEnd(HWND edit, const std::string& text) {
    DWORD_PTR length = 0;
    SendMessageTimeoutA(edit, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length);
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(edit, EM_SETSEL, length, length, SMTO_ABORTIFHUNG, 5000, &ignored);
    DWORD_PTR selection = 0;
    SendMessageTimeoutA(edit, EM_GETSEL, 0, 0, SMTO_ABORTIFHUNG, 5000, &selection);
    EXPECT_EQ(selection, static_cast<DWORD_PTR>(MAKELONG(length, length)))
        << "the caret is not at the end of " << length << " bytes";
    for (unsigned char ch : text) PostMessageA(edit, WM_CHAR, ch, 1);
}

class CleanupRunE2e : public KelvoraTest {
protected:
    void TearDown() override {
        for (Process& p : helpers_) p.Kill();
        temporaryVariables_.reset();
        KelvoraTest::TearDown();
    }

    // The program's temporary folder for StartWithTemporaryFolder, with blanks in its path.
    std::string Temp() const { return folder_->Path() + "temp with blanks\\"; }

    // Creates Temp() (unless it exists), points the program's TMP and TEMP at it, starts the
    // program and finds the controls of its main window; false when a step fails.
    bool StartWithTemporaryFolder(MainControls& c) {
        if (!CreateDirectoryA(Temp().c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
            ADD_FAILURE() << "cannot create " << Temp();
            return false;
        }
        temporaryVariables_.emplace(Temp());
        EXPECT_EQ(TempFolderPath(), Temp());
        HWND main = StartAndWaitForMainWindow(first_);
        if (!main) {
            ADD_FAILURE() << "the main window does not show";
            return false;
        }
        c = FindControls(main);
        if (!c.Complete()) ADD_FAILURE() << "controls of the main window not found";
        return c.Complete();
    }

    // Starts a copy of the idle helper under `name` in the test's folder.
    Process& StartIdleCopy(const std::string& name) {
        if (helpers_.capacity() < 16) helpers_.reserve(16);
        const std::string copy = folder_->Path() + name;
        CopyFileA(HelperExe("idle_process").c_str(), copy.c_str(), TRUE);
        helpers_.push_back(Process::Start(copy));
        return helpers_.back();
    }

    // Waits for the end of a run: its last log line.
    bool WaitForRunEnd(HWND log) {
        return WaitUntil([&] {
            std::vector<std::string> lines = LinesOf(log);
            return !lines.empty() && lines.back() == "优化结束...";
        });
    }

    // The framework's error box of the program, or nullptr.
    HWND ErrorBox(DWORD timeoutMs) { return WaitForWindow(first_, "#32770", "Kelvora", timeoutMs); }

    // Answers the error box with its OK command. The command goes to the box itself, not as
    // a click on its button: a click can be lost while the box is being activated and its
    // frame fitted by the skin, and the box may not be active at all when the program is not
    // in the foreground.
    static void AnswerOk(HWND box) {
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
    }

    // Reserved, so references handed out stay valid.
    std::vector<Process> helpers_;
    std::optional<TemporaryFolderVariables> temporaryVariables_;
};

// The list holds names in other letter cases, a blank line, a name with a trailing blank,
// a name without extension, a duplicate, the program's own name and a name that runs
// nowhere.
const char kRunList[] =
    "KVALPHA.EXE\r\n"
    "\r\n"
    "kvbeta.exe \r\n"
    "kvgamma\r\n"
    "KvDelta.Exe\r\n"
    "kvalpha.exe\r\n"
    "kelvora.exe\r\n"
    "kvnowhere.exe\r\n";

const std::vector<std::string> kRunLog = {
    "KVALPHA.EXE 清理成功",
    " 未发现",
    "kvbeta.exe  未发现",
    "kvgamma 未发现",
    "KvDelta.Exe 清理成功",
    "kvalpha.exe 未发现",
    "kelvora.exe 清理失败",
    "kvnowhere.exe 未发现",
    "网络优化结束...",
    "优化结束...",
};

const char kBatchText[] =
    "arp -d *\r\nnbtstat -R\r\nipconfig /flushdns\r\nnbtstat -RR\r\nipconfig /registerdns\r\n";

}  // namespace

TEST_F(CleanupRunE2e, OneKeyRunFromTheButtonAndFromTheTrayMenu) {
    WriteBytes(ListFilePath(), kRunList);
    // Two running copies of one program: the same file started twice.
    Process& a1 = StartIdleCopy("kvalpha.exe");
    Process& a2 = StartIdleCopy("kvalpha.exe");
    Process& beta = StartIdleCopy("kvbeta.exe");
    Process& gamma = StartIdleCopy("kvgamma.exe");
    Process& delta = StartIdleCopy("kvdelta.exe");
    Process& epsilon = StartIdleCopy("kvepsilon.exe");
    // A stand-in for the batch's first command in the folder the batch runs in: it holds
    // the batch up until the test ends it.
    ASSERT_TRUE(CopyFileA(HelperExe("idle_process").c_str(), (folder_->Path() + "arp.exe").c_str(), FALSE));
    struct EndStandIn {
        ~EndStandIn() { EndProcessesNamed("arp.exe"); }
    } endStandIn;

    MainControls c;
    ASSERT_TRUE(StartWithTemporaryFolder(c));
    const std::string temp = Temp();
    EXPECT_EQ(StatusBarText(c.status, 1), "数据版本:8条");
    EXPECT_EQ(BarPosition(c.after), 0) << "the after bar is empty before the first run";

    PumpFor(300);

    const std::string batchPath = temp + "RestorationNet.bat";
    const DWORD clicked = GetTickCount();
    PostButtonClick(c.clear);
    ASSERT_TRUE(WaitForRunEnd(c.log)) << "no end of run; the log holds:\n" << TextOf(c.log);
    const DWORD runMs = GetTickCount() - clicked;
    // One second, then 100 ms per name.
    EXPECT_GE(runMs, 1000u + 8 * 100u - 50u);
    std::printf("run over 8 names: %lu ms from the click to its last log line\n", static_cast<unsigned long>(runMs));
    EXPECT_EQ(LinesOf(c.log), kRunLog);

    for (Process* p : {&a1, &a2, &delta}) {
        std::optional<DWORD> code = p->WaitExit(5000);
        EXPECT_TRUE(code.has_value()) << "a listed program still runs";
        if (code) {
            EXPECT_EQ(*code, 0u);
        }
    }
    EXPECT_TRUE(beta.Running()) << "a name with a trailing blank matched";
    EXPECT_TRUE(gamma.Running()) << "a name without extension matched";
    EXPECT_TRUE(epsilon.Running()) << "an unlisted program was ended";
    EXPECT_TRUE(first_.Running()) << "the program ended itself";

    EXPECT_EQ(ReadBytes(batchPath).value_or("<missing>"), kBatchText);

    // While the batch runs nobody else can change or remove it; once it has ended, the
    // file is free again. The stand-in holds the batch at its first command.
    ASSERT_TRUE(WaitUntil([] { return !ProcessIdsNamed("arp.exe").empty(); }, kStartTimeoutMs))
        << "the batch never reached its first command";
    EXPECT_FALSE(CanOpenForWriting(batchPath)) << "the running batch can be rewritten";
    EXPECT_FALSE(DeleteFileA(batchPath.c_str())) << "the running batch can be deleted";
    EndProcessesNamed("arp.exe");
    EXPECT_TRUE(WaitUntil([&] { return CanOpenForWriting(batchPath); })) << "the batch stays locked after its end";
    EXPECT_EQ(ReadBytes(batchPath).value_or("<missing>"), kBatchText);
    DeleteFileA((folder_->Path() + "arp.exe").c_str());

    const int after = BarPosition(c.after);
    EXPECT_GE(after, 1);
    EXPECT_LE(after, 100);
    // Other programs move the load meanwhile (builds beside the tests): a loose match.
    EXPECT_LE(std::abs(after - static_cast<int>(MemoryLoadNow())), 10) << "the after bar is not the memory load";

    // The tray menu's "一键清理" runs the same run: the same programs again, the same log.
    Process& a3 = StartIdleCopy("kvalpha.exe");
    Process& a4 = StartIdleCopy("kvalpha.exe");
    Process& delta2 = StartIdleCopy("kvdelta.exe");
    PumpFor(500);
    SendMessageTimeoutA(c.log, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("stale"), SMTO_ABORTIFHUNG, 5000, nullptr);
    // A menu opened while the desktop still activates a window is closed unused.
    ASSERT_TRUE(WaitActive(c.main));
    HWND menu = OpenTrayMenu();
    ASSERT_NE(menu, nullptr) << "no tray menu";
    ChooseFromMenu(menu, kCleanMenuPosition);
    ASSERT_TRUE(WaitForRunEnd(c.log)) << "no end of the tray run; the log holds:\n" << TextOf(c.log);
    EXPECT_EQ(LinesOf(c.log), kRunLog);
    for (Process* p : {&a3, &a4, &delta2}) EXPECT_TRUE(p->WaitExit(5000).has_value()) << "a listed program still runs";
    EXPECT_TRUE(beta.Running());
    EXPECT_TRUE(gamma.Running());
    EXPECT_TRUE(epsilon.Running());
    EXPECT_EQ(ReadBytes(batchPath).value_or("<missing>"), kBatchText);
}

TEST_F(CleanupRunE2e, ListFileIsReadUpToNulAndWrittenBackWithCrLf) {
    WriteBytes(ListFilePath(), std::string("a.exe\nb.exe\nc.exe\0hidden.exe\nmore.exe\n", 39));
    HWND main = StartAndWaitForMainWindow(first_);
    ASSERT_NE(main, nullptr);
    MainControls c = FindControls(main);
    ASSERT_TRUE(c.Complete()) << "controls of the main window not found";

    // Loading at start-up: the text after the NUL is dropped and the file comes back
    // with CR LF after every name.
    EXPECT_EQ(StatusBarText(c.status, 1), "数据版本:3条");
    const std::string loaded = "a.exe\r\nb.exe\r\nc.exe\r\n";
    EXPECT_TRUE(WaitUntil([&] { return ReadBytes(ListFilePath()) == loaded; }, 5000))
        << ReadBytes(ListFilePath()).value_or("<missing>");
    EXPECT_EQ(TextOf(c.editor), loaded);

    // A file with LF breaks and no final break, loaded by "保存".
    WriteBytes(ListFilePath(), "x.exe\ny.exe");
    PostButtonClick(c.load);
    EXPECT_TRUE(WaitUntil([&] { return StatusBarText(c.status, 1) == "数据版本:2条"; }));
    EXPECT_TRUE(WaitUntil([&] { return ReadBytes(ListFilePath()) == "x.exe\r\ny.exe\r\n"; }, 5000))
        << ReadBytes(ListFilePath()).value_or("<missing>");
    EXPECT_EQ(TextOf(c.editor), "x.exe\r\ny.exe\r\n");

    // Typing saves at once but leaves the working list until "保存".
    TypeAtEnd(c.editor, "z.exe");
    EXPECT_TRUE(WaitUntil([&] { return ReadBytes(ListFilePath()) == "x.exe\r\ny.exe\r\nz.exe"; }))
        << ReadBytes(ListFilePath()).value_or("<missing>");
    EXPECT_EQ(StatusBarText(c.status, 1), "数据版本:2条");
    PostButtonClick(c.load);
    EXPECT_TRUE(WaitUntil([&] { return StatusBarText(c.status, 1) == "数据版本:3条"; }));
    EXPECT_TRUE(WaitUntil([&] { return ReadBytes(ListFilePath()) == "x.exe\r\ny.exe\r\nz.exe\r\n"; }, 5000))
        << ReadBytes(ListFilePath()).value_or("<missing>");

    // A list file that cannot be replaced: the create error, and the old bytes stay.
    const std::string before = ReadBytes(ListFilePath()).value_or("");
    ASSERT_TRUE(SetFileAttributesA(ListFilePath().c_str(), FILE_ATTRIBUTE_READONLY));
    TypeAtEnd(c.editor, "q");
    HWND box = ErrorBox(kActionTimeoutMs);
    SetFileAttributesA(ListFilePath().c_str(), FILE_ATTRIBUTE_NORMAL);
    ASSERT_NE(box, nullptr) << "no error box for a list file that cannot be replaced";
    HWND text = GetDlgItem(box, 0xFFFF);
    ASSERT_NE(text, nullptr);
    const std::string expectedStart = "Cannot create file \"" + ListFilePath() + "\". ";
    const std::string message = TextOf(text);
    EXPECT_EQ(message.rfind(expectedStart, 0), 0u) << message;
    EXPECT_GT(message.size(), expectedStart.size()) << "no system error text";
    HWND ok = GetDlgItem(box, IDOK);
    ASSERT_NE(ok, nullptr);
    AnswerOk(box);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
    EXPECT_EQ(ReadBytes(ListFilePath()), before);
    EXPECT_EQ(TextOf(c.editor), before + "q") << "the editor keeps the typed text";
    EXPECT_TRUE(first_.Running());

    // The next change writes again.
    TypeAtEnd(c.editor, "r");
    EXPECT_TRUE(WaitUntil([&] { return ReadBytes(ListFilePath()) == before + "qr"; }))
        << ReadBytes(ListFilePath()).value_or("<missing>");
    EXPECT_EQ(ErrorBox(0), nullptr);
}

TEST_F(CleanupRunE2e, DesktopShortcutLabelWritesKelvoraLnkAndOverwritesItSilently) {
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    char desktop[MAX_PATH] = {};
    ASSERT_TRUE(SHGetSpecialFolderPathA(nullptr, desktop, CSIDL_DESKTOPDIRECTORY, TRUE));
    const std::string lnk = std::string(desktop) + "\\Kelvora.lnk";
    DeleteFileA(lnk.c_str());
    struct RemoveAtEnd {
        std::string path;
        ~RemoveAtEnd() {
            DeleteFileA(path.c_str());
            CoUninitialize();
        }
    } removeAtEnd{lnk};

    HWND main = StartAndWaitForMainWindow(first_);
    ASSERT_NE(main, nullptr);
    // "桌面快捷键" is a label drawn on the window itself: a click at its place.
    auto clickLabel = [&] {
        const LPARAM point = MAKELPARAM(128 + 8, 320 + 5);
        PostMessageA(main, WM_MOUSEMOVE, 0, point);
        PostMessageA(main, WM_LBUTTONDOWN, MK_LBUTTON, point);
        PostMessageA(main, WM_LBUTTONUP, 0, point);
    };
    const std::string folder = folder_->Path();

    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round == 0 ? "first click" : "second click, over a spoilt file");
        clickLabel();
        std::optional<ShortcutContent> content;
        EXPECT_TRUE(WaitUntil([&] { return (content = ReadShortcut(lnk)).has_value(); })) << "no shortcut at " << lnk;
        if (content) {
            EXPECT_TRUE(SameFileName(content->target, exe_)) << content->target;
            EXPECT_TRUE(SameFileName(content->workingDirectory, folder)) << content->workingDirectory;
        }
        for (HWND w : TopLevelWindows(first_.Id(), true))
            EXPECT_NE(ClassOf(w), "#32770") << "the shortcut asked or complained: " << TextOf(w);
        // Spoilt, so the second click must write it anew.
        WriteBytes(lnk, "not a shortcut");
        ASSERT_FALSE(ReadShortcut(lnk).has_value());
    }
    EXPECT_TRUE(first_.Running());
}

// No list file at start: no count, and a run logs only the network and end lines. An
// empty list file then loaded by "保存" counts no names and runs the same way.
TEST_F(CleanupRunE2e, WithoutNamesARunLogsOnlyTheNetworkAndEndLines) {
    MainControls c;
    ASSERT_TRUE(StartWithTemporaryFolder(c));
    const std::string temp = Temp();
    EXPECT_EQ(StatusBarText(c.status, 1), "");
    EXPECT_EQ(TextOf(c.editor), "");

    const std::vector<std::string> onlyEndLines = {"网络优化结束...", "优化结束..."};
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round == 0 ? "no list file" : "an empty list file");
        if (round == 1) {
            WriteBytes(ListFilePath(), "");
            PostButtonClick(c.load);
            EXPECT_TRUE(WaitUntil([&] { return StatusBarText(c.status, 1) == "数据版本:0条"; }))
                << StatusBarText(c.status, 1);
            SendMessageTimeoutA(c.log, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("stale"), SMTO_ABORTIFHUNG, 5000,
                                nullptr);
        }
        const DWORD clicked = GetTickCount();
        PostButtonClick(c.clear);
        ASSERT_TRUE(WaitForRunEnd(c.log)) << "no end of run; the log holds:\n" << TextOf(c.log);
        EXPECT_GE(GetTickCount() - clicked, 950u) << "the one-second pause is missing";
        EXPECT_EQ(LinesOf(c.log), onlyEndLines);
        EXPECT_GE(BarPosition(c.after), 1);
        EXPECT_EQ(ReadBytes(temp + "RestorationNet.bat").value_or("<missing>"), kBatchText);
        // A run never writes the list file.
        EXPECT_EQ(ReadBytes(ListFilePath()), round == 0 ? std::nullopt : std::optional<std::string>(""));
    }
    EXPECT_EQ(StatusBarText(c.status, 1), "数据版本:0条");
}

// Before the first run the before bar follows the memory load; from the run on it holds
// the value the run took, whatever the load does.
TEST_F(CleanupRunE2e, BeforeBarFollowsTheLoadUntilTheFirstRunAndThenHolds) {
    MainControls c;
    ASSERT_TRUE(StartWithTemporaryFolder(c));
    // The ballast is held through the run and let go after it: the load then falls, and the
    // bar must keep the value the run took.
    const unsigned base = MemoryLoadNow();
    MemoryBallast ballast;
    if (ballast.Percent() < 4)
        GTEST_SKIP() << "only " << ballast.Percent() << "% of the memory can be taken here, too little to move the load";
    ASSERT_TRUE(LoadRoseFrom(base)) << "holding " << ballast.Percent() << "% of the memory left the load at "
                                    << MemoryLoadNow() << " (was " << base << ")";
    auto followed = [&] { return std::abs(BarPosition(c.before) - static_cast<int>(MemoryLoadNow())) <= 1; };
    EXPECT_TRUE(WaitUntil(followed, 5000))
        << "the before bar shows " << BarPosition(c.before) << " with the load at " << MemoryLoadNow();

    PostButtonClick(c.clear);
    ASSERT_TRUE(WaitForRunEnd(c.log)) << "no end of run; the log holds:\n" << TextOf(c.log);
    const int held = BarPosition(c.before);
    const unsigned loaded = MemoryLoadNow();
    ballast.Release();
    // Two points apart is enough: the bar must then keep `held` exactly, and a bar that
    // followed the load would show at least one point less. (The system does not always
    // count the whole ballast as free again at once.)
    ASSERT_TRUE(WaitUntil([&] { return MemoryLoadNow() + 2 <= loaded; }, 10000))
        << "letting the ballast go left the load at " << MemoryLoadNow() << " (was " << loaded << ")";
    PumpFor(500);
    EXPECT_EQ(BarPosition(c.before), held) << "the before bar follows the load (" << MemoryLoadNow() << ")";
}

// "一键清理" from the tray menu while the window is hidden: the run ends the listed
// program, and the window comes back with the run's log, both bars and the count.
TEST_F(CleanupRunE2e, RunFromTheTrayMenuWhileHiddenShowsItsResultsOnReturn) {
    WriteBytes(ListFilePath(), "kvhidden.exe\r\nkvabsent.exe\r\n");
    Process& listed = StartIdleCopy("kvhidden.exe");
    MainControls c;
    ASSERT_TRUE(StartWithTemporaryFolder(c));

    // The start-up activation settles first: it would close a menu opened meanwhile.
    ASSERT_TRUE(WaitActive(c.main));
    HWND trayButton = FindChild(c.main, "Button", "托盘");
    ASSERT_NE(trayButton, nullptr);
    PostButtonClick(trayButton);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(c.main); })) << "the window stays after 托盘";

    HWND menu = OpenTrayMenu();
    ASSERT_NE(menu, nullptr) << "no tray menu";
    ChooseFromMenu(menu, kCleanMenuPosition);
    ASSERT_TRUE(WaitForRunEnd(c.log)) << "no end of the run; the log holds:\n" << TextOf(c.log);
    EXPECT_FALSE(IsWindowVisible(c.main)) << "the run showed the window";
    EXPECT_TRUE(listed.WaitExit(5000).has_value()) << "the listed program still runs";

    PostTray(WM_LBUTTONDOWN);
    PostTray(WM_LBUTTONUP);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(c.main) != FALSE; })) << "a click did not show the window";
    EXPECT_EQ(LinesOf(c.log), (std::vector<std::string>{"kvhidden.exe 清理成功", "kvabsent.exe 未发现",
                                                         "网络优化结束...", "优化结束..."}));
    for (HWND bar : {c.before, c.after}) {
        const int position = BarPosition(bar);
        EXPECT_GE(position, 1);
        EXPECT_LE(position, 100);
    }
    EXPECT_LE(std::abs(BarPosition(c.after) - static_cast<int>(MemoryLoadNow())), 10);
    EXPECT_EQ(StatusBarText(c.status, 1), "数据版本:2条");
}

// The batch cannot be written (a folder holds its name): the create error is shown, the
// run stops before its network line, after index and end line, and the program goes on;
// once the name is free the next run completes.
TEST_F(CleanupRunE2e, ABatchThatCannotBeWrittenEndsTheRunAndTheProgramGoesOn) {
    WriteBytes(ListFilePath(), "kvabsent.exe\r\n");
    const std::string temp = Temp();
    ASSERT_TRUE(CreateDirectoryA(temp.c_str(), nullptr));
    const std::string blocker = temp + "RestorationNet.bat";
    ASSERT_TRUE(CreateDirectoryA(blocker.c_str(), nullptr));
    MainControls c;
    ASSERT_TRUE(StartWithTemporaryFolder(c));

    PostButtonClick(c.clear);
    HWND box = ErrorBox(kActionTimeoutMs);
    ASSERT_NE(box, nullptr) << "no error box; the log holds:\n" << TextOf(c.log);
    HWND text = GetDlgItem(box, 0xFFFF);
    ASSERT_NE(text, nullptr);
    // The temporary folder ends in a backslash and the name is added with another.
    const std::string expectedStart = "Cannot create file \"" + temp + "\\RestorationNet.bat\". ";
    const std::string message = TextOf(text);
    EXPECT_EQ(message.rfind(expectedStart, 0), 0u) << message;
    EXPECT_GT(message.size(), expectedStart.size()) << "no system error text";
    HWND ok = GetDlgItem(box, IDOK);
    ASSERT_NE(ok, nullptr);
    AnswerOk(box);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
    PumpFor(1000);
    EXPECT_EQ(LinesOf(c.log), std::vector<std::string>{"kvabsent.exe 未发现"});
    EXPECT_EQ(BarPosition(c.after), 0) << "an after index was taken";
    EXPECT_EQ(ErrorBox(0), nullptr);
    ASSERT_TRUE(first_.Running());

    ASSERT_TRUE(RemoveDirectoryA(blocker.c_str()));
    PostButtonClick(c.clear);
    ASSERT_TRUE(WaitForRunEnd(c.log)) << "no end of the next run; the log holds:\n" << TextOf(c.log);
    EXPECT_EQ(LinesOf(c.log), (std::vector<std::string>{"kvabsent.exe 未发现", "网络优化结束...", "优化结束..."}));
    EXPECT_GE(BarPosition(c.after), 1);
    EXPECT_EQ(ReadBytes(blocker).value_or("<missing>"), kBatchText);
}
