// What every Win32 and end-to-end test relies on, checked instead of trusted:
// the ANSI code page is 936 and the CJK test strings have glyphs in the UI font.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

TEST(WineEnvironment, AnsiCodePageIs936) {
    EXPECT_EQ(GetACP(), 936u);
}

TEST(WineEnvironment, CjkTextHasGlyphsInSimSunWithGb2312Charset) {
    HDC dc = CreateCompatibleDC(nullptr);
    ASSERT_NE(dc, nullptr);
    LOGFONTA lf{};
    lf.lfHeight = -12;
    lf.lfCharSet = GB2312_CHARSET;
    lstrcpyA(lf.lfFaceName, "宋体");
    HFONT font = CreateFontIndirectA(&lf);
    HGDIOBJ old = SelectObject(dc, font);
    const std::string text = "一键优化";
    WORD glyphs[8] = {};
    int n = GetGlyphIndicesA(dc, text.c_str(), static_cast<int>(text.size()), glyphs, GGI_MARK_NONEXISTING_GLYPHS);
    EXPECT_GT(n, 0);
    for (int i = 0; i < n; ++i) EXPECT_NE(glyphs[i], 0xFFFF) << "missing glyph at " << i;
    EXPECT_EQ(GetTextCharset(dc), GB2312_CHARSET);
    SelectObject(dc, old);
    DeleteObject(font);
    DeleteDC(dc);
}
