// A process list far longer than an edit window's default limit, pasted into the list
// editor of the real program, reaches the list file whole.
#include "E2eKelvora.h"

#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>

using namespace e2e;

namespace {

// Puts `text` on the clipboard as ANSI text; false when the clipboard is not to be had.
bool PutOnClipboard(HWND owner, const std::string& text) {
    if (!OpenClipboard(owner)) return false;
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    bool placed = false;
    if (memory) {
        std::memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
        GlobalUnlock(memory);
        placed = SetClipboardData(CF_TEXT, memory) != nullptr;
        if (!placed) GlobalFree(memory);  // the clipboard took it only on success
    }
    CloseClipboard();
    return placed;
}

// The list editor: the edit of the group "残余进程列表" on the page "自定义管理".
HWND ListEditor(HWND main) {
    HWND pages = FindChild(main, "SysTabControl32", nullptr);
    HWND sheet = pages ? FindChild(pages, "TTabSheet", "自定义管理") : nullptr;
    HWND group = sheet ? FindChild(sheet, "TGroupBox", "残余进程列表") : nullptr;
    return group ? FindChild(group, "Edit", nullptr) : nullptr;
}

}  // namespace

class LongTextE2e : public KelvoraTest {};

TEST_F(LongTextE2e, PastedListOfAHundredThousandCharactersReachesTheListFileWhole) {
    HWND main = StartAndWaitForMainWindow(first_);
    ASSERT_NE(main, nullptr);
    HWND editor = ListEditor(main);
    ASSERT_NE(editor, nullptr) << "the list editor was not found";

    std::string list;
    for (int i = 0; list.size() < 100000; ++i) list += "kvname" + std::to_string(i) + ".exe\r\n";
    list.resize(100000);

    // The driver's own window owns the clipboard while the program pastes from it.
    HWND owner = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_NE(owner, nullptr);
    ASSERT_TRUE(PutOnClipboard(owner, list));
    PostMessageA(editor, WM_PASTE, 0, 0);

    EXPECT_TRUE(WaitUntil([&] { return ReadBytes(ListFilePath()).value_or("").size() == list.size(); }))
        << "p.txt holds " << ReadBytes(ListFilePath()).value_or("").size() << " bytes";
    EXPECT_TRUE(ReadBytes(ListFilePath()) == list) << "p.txt differs from the pasted list";
    DestroyWindow(owner);
}
