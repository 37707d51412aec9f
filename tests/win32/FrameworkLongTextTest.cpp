// Memos hold texts far beyond an edit window's default limit of about 32 K characters,
// through pasting, through appended lines, and after the window is created again.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "framework/Forms.h"
#include "framework/StdCtrls.h"

namespace {

// A process list of `size` bytes: short names, one a line.
std::string LongList(std::size_t size) {
    std::string text;
    for (int i = 0; text.size() < size; ++i) text += "proc" + std::to_string(i) + ".exe\r\n";
    text.resize(size);
    return text;
}

// Puts `text` where the caret is, as a paste or typing does; these honour the edit's limit.
void ReplaceSelection(TMemo* memo, const std::string& text) {
    SendMessageA(memo->Handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

}  // namespace

TEST(FrameworkLongText, PastedTextIsKeptWholeAlsoAfterTheWindowIsRecreated) {
    auto form = MakeUnowned<TForm>();
    auto* memo = MakeComponent<TMemo>(form.get());
    memo->SetParent(form.get());
    memo->SetScrollBars(ssBoth);
    const std::string list = LongList(100000);

    ReplaceSelection(memo, list);
    EXPECT_EQ(memo->Text().size(), list.size());
    EXPECT_TRUE(memo->Text() == list);

    // A new window for the same memo takes the long text along.
    memo->SetWordWrap(!memo->WordWrap());
    EXPECT_TRUE(memo->Text() == list);
    memo->SetText("");
    ReplaceSelection(memo, list);
    EXPECT_TRUE(memo->Text() == list);

    // A maximum length that was set still holds.
    memo->SetMaxLength(10);
    memo->SetText("");
    ReplaceSelection(memo, list);
    EXPECT_EQ(memo->Text(), list.substr(0, 10));
}

TEST(FrameworkLongText, LogKeepsEveryAppendedLine) {
    auto form = MakeUnowned<TForm>();
    auto* memo = MakeComponent<TMemo>(form.get());
    memo->SetParent(form.get());
    memo->SetScrollBars(ssVertical);
    memo->Handle();
    // A long run's log: most lines set at once (setting text is not limited, and appending
    // line by line costs seconds under Wine), the last ones appended as the run does.
    const int kLines = 3000;
    std::string text;
    for (int i = 0; i < kLines - 10; ++i) text += "proc" + std::to_string(i) + ".exe 未发现\r\n";
    memo->SetText(text);
    for (int i = kLines - 10; i < kLines - 1; ++i) memo->Lines().Add("proc" + std::to_string(i) + ".exe 清理成功");
    memo->Lines().Add("优化结束...");

    ASSERT_EQ(memo->Lines().Count(), kLines);
    EXPECT_EQ(memo->Lines()[0], "proc0.exe 未发现");
    EXPECT_EQ(memo->Lines()[kLines - 2], "proc2998.exe 清理成功");
    EXPECT_EQ(memo->Lines()[kLines - 1], "优化结束...");
}
