// Window framework under Wine: message routing (WindowProc replacement, reflection, the
// control atom), alignment, graphic-control clicks and painting, the timer, and the
// application's error box.
#include "framework/ComCtrls.h"
#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
#include "framework/Properties.h"
#include "framework/StdCtrls.h"
#include "tests/win32/SkinnedTestForm.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace {

struct ErrorBoxCall {
    std::string text, title;
    unsigned flags = 0;
};

// Intercepts the error box for one test instead of blocking on MessageBoxA.
class ErrorBoxSpy {
public:
    ErrorBoxSpy() {
        Application->SetErrorBox([this](HWND, const std::string& text, const std::string& title, unsigned flags) {
            calls.push_back({text, title, flags});
            return IDOK;
        });
    }
    ~ErrorBoxSpy() { Application->SetErrorBox(nullptr); }
    std::vector<ErrorBoxCall> calls;
};

TUnowned<TForm> MakeForm(int clientWidth = 445, int clientHeight = 364) {
    auto form = MakeUnowned<TForm>();
    form->SetBorderStyle(bsSingle);
    form->SetClientSize(clientWidth, clientHeight);
    return form;
}

void Pump() { Application->ProcessMessages(); }

}  // namespace

TEST(FrameworkApplication, ErrorInAHandlerShowsTheErrorBoxAndTheProgramCarriesOn) {
    ErrorBoxSpy spy;
    Application->SetTitle("Kelvora");
    auto form = MakeForm();
    auto* button = MakeComponent<TButton>(form.get());
    button->SetParent(form.get());
    int clicks = 0;
    button->OnClick = [&](TObject*) {
        if (++clicks == 1) throw EFCreateError("C:\\ro\\p.txt", "Access denied.");
    };
    SendMessageA(button->Handle(), BM_CLICK, 0, 0);
    ASSERT_EQ(spy.calls.size(), 1u);
    EXPECT_EQ(spy.calls[0].text, "Cannot create file \"C:\\ro\\p.txt\". Access denied");
    EXPECT_EQ(spy.calls[0].title, "Kelvora");
    EXPECT_EQ(spy.calls[0].flags, static_cast<unsigned>(MB_OK | MB_ICONERROR));
    // The next click is handled normally.
    SendMessageA(button->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(spy.calls.size(), 1u);

    // A timer handler's error is shown the same way.
    auto* timer = MakeComponent<TTimer>(form.get());
    timer->SetInterval(10);
    timer->OnTimer = [&](TObject* sender) {
        static_cast<TTimer*>(sender)->SetEnabled(false);
        throw EStringListError(3);
    };
    for (int i = 0; i < 100 && spy.calls.size() < 2; ++i) {
        Sleep(5);
        Pump();
    }
    ASSERT_EQ(spy.calls.size(), 2u);
    EXPECT_EQ(spy.calls[1].text, "List index out of bounds (3)");
}

namespace {
class TCreateFailForm : public TForm {
public:
    explicit TCreateFailForm(TComponent* owner) : TForm(owner) {
        label = MakeComponent<TLabel>(this);
        label->SetParent(this);
        OnCreate = [](TObject*) { throw EFOpenError("p.txt", "Sharing violation"); };
    }
    TLabel* label;
};
}  // namespace

TEST(FrameworkApplication, ErrorInOnCreateIsShownAndTheFormIsStillMade) {
    ErrorBoxSpy spy;
    auto form = MakeUnowned<TCreateFailForm>();
    ASSERT_EQ(spy.calls.size(), 1u);
    EXPECT_EQ(spy.calls[0].text, "Cannot open file \"p.txt\". Sharing violation");
    EXPECT_FALSE(form->Loading());
    EXPECT_FALSE(form->label->Loading());
}

TEST(FrameworkMessages, ReplacedWindowProcSeesMessagesFirstAndCanBeRestored) {
    auto form = MakeForm();
    auto* button = MakeComponent<TButton>(form.get());
    button->SetParent(form.get());
    HWND wnd = button->Handle();
    EXPECT_EQ(GetPropA(wnd, MAKEINTATOM(ControlAtom())), static_cast<TWinControl*>(button));
    EXPECT_EQ(FindControl(form->Handle()), static_cast<TWinControl*>(form.get()));
    char atomName[64] = {};
    GlobalGetAtomNameA(ControlAtom(), atomName, sizeof atomName);
    char expected[64];
    wsprintfA(expected, "ControlOfs%.8X%.8X",
              static_cast<unsigned>(reinterpret_cast<UINT_PTR>(GetModuleHandleA(nullptr))),
              static_cast<unsigned>(GetCurrentThreadId()));
    EXPECT_STREQ(atomName, expected);

    std::vector<std::string> log;
    int clicks = 0;
    button->OnClick = [&](TObject*) { log.push_back("click"); ++clicks; };
    TWndMethod first = button->WindowProc;
    button->WindowProc = [&](TMessage& m) {
        if (m.Msg == CN_COMMAND) log.push_back("outer");
        if (m.Msg == WM_USER + 7) {
            m.Result = 42;  // handled here: the control never sees it
            return;
        }
        first(m);
    };
    TWndMethod second = button->WindowProc;
    button->WindowProc = [&](TMessage& m) {
        if (m.Msg == CN_COMMAND) log.push_back("newest");
        second(m);
    };
    SendMessageA(wnd, BM_CLICK, 0, 0);
    EXPECT_EQ(log, (std::vector<std::string>{"newest", "outer", "click"}));
    EXPECT_EQ(SendMessageA(wnd, WM_USER + 7, 0, 0), 42);
    // The text still reaches the original BUTTON procedure through the chain.
    button->SetCaption("OK");
    char text[16] = {};
    GetWindowTextA(wnd, text, sizeof text);
    EXPECT_STREQ(text, "OK");

    button->WindowProc = first;
    log.clear();
    SendMessageA(wnd, BM_CLICK, 0, 0);
    EXPECT_EQ(log, (std::vector<std::string>{"click"}));
}

TEST(FrameworkMessages, StateChangesSendTheFrameworkNotifications) {
    auto form = MakeForm();
    auto* edit = MakeComponent<TEdit>(form.get());
    edit->SetParent(form.get());
    auto* label = MakeComponent<TLabel>(form.get());
    label->SetParent(form.get());
    std::vector<uint32_t> seen;
    for (TControl* c : std::vector<TControl*>{edit, label}) {
        TWndMethod old = c->WindowProc;
        c->WindowProc = [&seen, old](TMessage& m) {
            if (m.Msg >= CM_BASE && m.Msg < CN_BASE) seen.push_back(m.Msg);
            old(m);
        };
    }
    edit->SetEnabled(false);
    label->SetVisible(false);
    EXPECT_FALSE(IsWindowEnabled(edit->Handle()));
    EXPECT_EQ(seen, (std::vector<uint32_t>{CM_ENABLEDCHANGED, CM_VISIBLECHANGED}));
    EXPECT_EQ(static_cast<uint32_t>(CM_ENABLEDCHANGED), 0xB00Cu);
}

TEST(FrameworkLayout, AlignDocksChildrenAndFollowsTheParentsSize) {
    auto form = MakeForm(445, 364);
    auto* image = MakeComponent<TImage>(form.get());
    image->SetBounds(0, 0, 445, 89);
    image->SetAlign(alTop);
    image->SetParent(form.get());
    auto* pages = MakeComponent<TPageControl>(form.get());
    pages->SetBounds(0, 89, 445, 224);
    pages->SetParent(form.get());
    pages->SetAlign(alTop);
    auto* status = MakeComponent<TStatusBar>(form.get());
    status->SetBounds(0, 343, 445, 21);
    status->SetParent(form.get());
    status->SetAlign(alBottom);
    auto* hidden = MakeComponent<TListBox>(form.get());
    hidden->SetVisible(false);
    hidden->SetBounds(2, 164, 135, 31);
    hidden->SetParent(form.get());
    hidden->SetAlign(alLeft);
    form->Handle();

    EXPECT_EQ(form->ClientWidth(), 445);
    EXPECT_EQ(form->ClientHeight(), 364);
    RECT r;
    GetWindowRect(pages->Handle(), &r);
    MapWindowPoints(nullptr, form->Handle(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 89);
    EXPECT_EQ(r.right, 445);
    EXPECT_EQ(r.bottom, 89 + 224);
    EXPECT_EQ(status->Top(), 343);
    EXPECT_EQ(status->Width(), 445);
    // A hidden control keeps its own bounds.
    EXPECT_EQ(hidden->Left(), 2);
    EXPECT_EQ(hidden->Top(), 164);
    EXPECT_EQ(hidden->Height(), 31);

    form->SetClientSize(500, 400);
    EXPECT_EQ(image->Width(), 500);
    EXPECT_EQ(pages->Width(), 500);
    EXPECT_EQ(status->Top(), 400 - 21);
    EXPECT_EQ(status->Width(), 500);
}

TEST(FrameworkLayout, GroupBoxChildrenAlignInsideTheFrameAndPagesFillTheTabArea) {
    auto form = MakeForm();
    auto* pages = MakeComponent<TPageControl>(form.get());
    pages->SetParent(form.get());
    pages->SetBounds(0, 89, 445, 224);
    auto* sheet1 = MakeComponent<TTabSheet>(form.get());
    sheet1->SetPageControl(pages);
    sheet1->SetCaption("one");
    auto* sheet2 = MakeComponent<TTabSheet>(form.get());
    sheet2->SetPageControl(pages);
    sheet2->SetCaption("two");
    auto* group = MakeComponent<TGroupBox>(form.get());
    group->SetParent(sheet2);
    group->SetAlign(alClient);
    group->Font().SetHeight(-12);
    auto* memo = MakeComponent<TMemo>(form.get());
    memo->SetParent(group);
    memo->SetAlign(alTop);
    memo->SetHeight(150);
    form->Handle();

    EXPECT_EQ(pages->ActivePage(), sheet1);  // the first page becomes active
    EXPECT_TRUE(IsWindowVisible(sheet1->Handle()) || !IsWindowVisible(form->Handle()));
    EXPECT_TRUE(sheet1->Visible());
    EXPECT_FALSE(sheet2->Visible());
    RECT display = pages->DisplayRect();
    EXPECT_EQ(sheet1->Left(), display.left);
    EXPECT_EQ(sheet1->Top(), display.top);
    EXPECT_EQ(sheet1->Width(), display.right - display.left);
    EXPECT_EQ(SendMessageA(pages->Handle(), TCM_GETITEMCOUNT, 0, 0), 2);

    // The user picks the second tab: the tab control notifies its parent, which reflects it.
    SendMessageA(pages->Handle(), TCM_SETCURSEL, 1, 0);
    NMHDR hdr{pages->Handle(), 0, static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageA(form->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&hdr));
    EXPECT_EQ(pages->ActivePage(), sheet2);
    EXPECT_FALSE(sheet1->Visible());
    EXPECT_TRUE(sheet2->Visible());
    EXPECT_EQ(group->Width(), sheet2->Width());
    EXPECT_EQ(memo->Left(), 2);
    EXPECT_EQ(memo->Top(), 14);
    EXPECT_EQ(memo->Width(), group->Width() - 4);
}

TEST(FrameworkControls, StatusBarPanelsEndAtTheirWidthsAndTheLastReachesTheEdge) {
    auto form = MakeForm();
    auto* status = MakeComponent<TStatusBar>(form.get());
    status->SetParent(form.get());
    status->Panels().Add()->SetWidth(300);
    TStatusPanel* second = status->Panels().Add();
    second->SetWidth(50);
    second->SetText("\xCA\xFD\xBE\xDD");
    int edges[4] = {};
    ASSERT_EQ(SendMessageA(status->Handle(), SB_GETPARTS, 4, reinterpret_cast<LPARAM>(edges)), 2);
    EXPECT_EQ(edges[0], 300);
    EXPECT_EQ(edges[1], -1);
    char text[32] = {};
    SendMessageA(status->Handle(), SB_GETTEXTA, 1, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, "\xCA\xFD\xBE\xDD");
}

TEST(FrameworkControls, StatusBarTextAfterOneTabIsCentredAndAfterTwoRightAligned) {
    auto form = MakeForm();
    auto* status = MakeComponent<TStatusBar>(form.get());
    status->SetParent(form.get());
    status->SetSizeGrip(false);
    const char* texts[] = {"MMMM", "\tMMMM", "\t\tMMMM"};
    for (const char* text : texts) {
        TStatusPanel* panel = status->Panels().Add();
        panel->SetWidth(140);
        panel->SetText(text);
    }
    status->Panels().Add();
    form->Show();  // a hidden bar paints nothing
    Pump();
    HWND bar = status->Handle();
    const PixelBuffer picture = PaintedPicture(bar);
    // Text is dark on the button face (smoothed edges included).
    auto ink = [](uint32_t p) { return (p & 0xFF) + ((p >> 8) & 0xFF) + ((p >> 16) & 0xFF) < 3 * 0x80; };
    // Gaps between the text's outermost columns and the panel's sides, borders left out.
    auto gaps = [&](int index) {
        RECT r{};
        SendMessageA(bar, SB_GETRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
        int first = -1, last = -1;
        for (int x = r.left + 2; x < r.right - 2; ++x)
            for (int y = r.top + 2; y < r.bottom - 2; ++y)
                if (ink(picture.Pixel(x, y))) {
                    if (first < 0) first = x;
                    last = x;
                }
        return std::pair<int, int>{first - r.left, first < 0 ? -1 : r.right - 1 - last};
    };
    const auto [plainLeft, plainRight] = gaps(0);
    ASSERT_GE(plainLeft, 0) << "no text drawn";
    EXPECT_LT(plainLeft, 8);
    EXPECT_GT(plainRight, 60);
    const auto [centredLeft, centredRight] = gaps(1);
    EXPECT_GT(centredLeft, 30);
    EXPECT_LE(std::abs(centredLeft - centredRight), 3);
    const auto [rightLeft, rightRight] = gaps(2);
    EXPECT_GT(rightLeft, 60);
    EXPECT_LT(rightRight, 8);
}

TEST(FrameworkControls, MemoReportsEveryTextChangeAndListBoxIndexErrors) {
    auto form = MakeForm();
    auto* memo = MakeComponent<TMemo>(form.get());
    memo->SetParent(form.get());
    int changes = 0;
    memo->OnChange = [&](TObject*) { ++changes; };
    memo->SetText("a\r\nb");
    EXPECT_EQ(changes, 1);
    memo->SetText("a\r\nb");  // the same text is no change
    EXPECT_EQ(changes, 1);
    memo->Lines().Add("c");
    EXPECT_EQ(memo->Text(), "a\r\nb\r\nc");
    EXPECT_EQ(memo->Lines().Count(), 3);
    EXPECT_GE(changes, 2);

    auto* list = MakeComponent<TListBox>(form.get());
    list->SetParent(form.get());
    list->Items().SetText("x\r\n\r\n y \r\n");
    EXPECT_EQ(list->Items().Count(), 3);
    EXPECT_EQ(list->Items()[1], "");
    EXPECT_EQ(list->Items()[2], " y ");
    EXPECT_EQ(list->Items().Text(), "x\r\n\r\n y \r\n");
    try {
        list->Items().Get(3);
        FAIL() << "no error";
    } catch (const EStringListError& e) {
        EXPECT_EQ(e.Message(), "List index out of bounds (3)");
    }
    // Items survive a new window.
    list->SetSorted(false);
    list->SetBorderStyle(bsNone);
    EXPECT_EQ(list->Items().Count(), 3);
    EXPECT_EQ(list->Items()[2], " y ");
}

TEST(FrameworkGraphicControls, ParentRoutesClicksAndCursorToTheLabelUnderTheMouse) {
    auto form = MakeForm();
    auto* image = MakeComponent<TImage>(form.get());
    image->SetParent(form.get());
    image->SetBounds(0, 0, 445, 89);
    auto* label = MakeComponent<TLabel>(form.get());
    label->SetParent(form.get());
    label->SetBounds(304, 32, 10, 10);
    label->SetCaption("\xBC\xBC\xCA\xF5\xD6\xA7\xB3\xD6: x");
    label->SetCursor(crHandPoint);
    EXPECT_GT(label->Width(), 10);  // sized to its text
    std::vector<std::string> clicks;
    label->OnClick = [&](TObject*) { clicks.push_back("label"); };
    image->OnClick = [&](TObject*) { clicks.push_back("image"); };
    HWND wnd = form->Handle();
    auto click = [&](int x, int y) {
        SendMessageA(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        SendMessageA(wnd, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    };
    click(306, 34);  // on the label, which lies over the image
    click(10, 10);   // on the image only
    click(300, 200); // on the form
    EXPECT_EQ(clicks, (std::vector<std::string>{"label", "image"}));
    // Press on the label, release elsewhere: no click.
    SendMessageA(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(306, 34));
    SendMessageA(wnd, WM_LBUTTONUP, 0, MAKELPARAM(100, 200));
    EXPECT_EQ(clicks.size(), 2u);
    // A hidden label takes no clicks.
    label->SetVisible(false);
    click(306, 34);
    EXPECT_EQ(clicks.back(), "image");

    // Mouse entering and leaving the label.
    label->SetVisible(true);
    std::vector<uint32_t> mouse;
    TWndMethod old = label->WindowProc;
    label->WindowProc = [&](TMessage& m) {
        if (m.Msg == CM_MOUSEENTER || m.Msg == CM_MOUSELEAVE) mouse.push_back(m.Msg);
        old(m);
    };
    SendMessageA(wnd, WM_MOUSEMOVE, 0, MAKELPARAM(306, 34));
    SendMessageA(wnd, WM_MOUSEMOVE, 0, MAKELPARAM(306, 35));
    SendMessageA(wnd, WM_MOUSEMOVE, 0, MAKELPARAM(10, 200));
    EXPECT_EQ(mouse, (std::vector<uint32_t>{CM_MOUSEENTER, CM_MOUSELEAVE}));
}

TEST(FrameworkGraphicControls, TransparentLabelShowsThePictureUnderIt) {
    auto form = MakeForm(200, 100);
    form->SetColor(clWhite);
    auto* image = MakeComponent<TImage>(form.get());
    image->SetParent(form.get());
    image->SetBounds(0, 0, 200, 50);
    PixelBuffer picture(200, 50);
    picture.Fill(PixelFromColour(clRed));
    image->Picture().SetBitmap(std::move(picture));
    auto* transparent = MakeComponent<TLabel>(form.get());
    transparent->SetParent(form.get());
    transparent->SetBounds(10, 10, 0, 0);
    transparent->SetCaption("   .");
    transparent->SetTransparent(true);
    auto* opaque = MakeComponent<TLabel>(form.get());
    opaque->SetParent(form.get());
    opaque->SetBounds(100, 10, 0, 0);
    opaque->SetCaption("   .");
    auto* bevel = MakeComponent<TBevel>(form.get());
    bevel->SetParent(form.get());
    bevel->SetBounds(0, 60, 200, 9);
    bevel->SetShape(bsBottomLine);

    HWND wnd = form->Handle();
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, 200, 100);
    HGDIOBJ old = SelectObject(mem, bmp);
    SendMessageA(wnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(mem), PRF_CLIENT);
    EXPECT_EQ(GetPixel(mem, 12, 12), RGB(255, 0, 0));       // through the transparent label
    EXPECT_EQ(GetPixel(mem, 102, 12), RGB(255, 255, 255));  // the opaque label's own colour
    EXPECT_EQ(GetPixel(mem, 50, 40), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(mem, 50, 67), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(GetPixel(mem, 50, 68), GetSysColor(COLOR_BTNHIGHLIGHT));
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
}

TEST(FrameworkGraphics, AnsiCharsetFontsDrawCodePage936Text) {
    TFont font;
    font.SetName("\xCB\xCE\xCC\xE5");  // 宋体
    font.SetHeight(-12);
    font.SetCharset(ANSI_CHARSET);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font.Handle());
    EXPECT_EQ(GetTextCharset(dc), GB2312_CHARSET);
    LOGFONTA lf{};
    GetObjectA(font.Handle(), sizeof lf, &lf);
    EXPECT_EQ(lf.lfHeight, -12);
    EXPECT_STREQ(lf.lfFaceName, "\xCB\xCE\xCC\xE5");
    SelectObject(dc, old);
    DeleteDC(dc);
    EXPECT_EQ(font.Charset(), ANSI_CHARSET);  // the property keeps what was asked
}

TEST(FrameworkTimer, TicksWhileEnabledAndStopsWhenDisabled) {
    auto owner = MakeForm();
    auto* timer = MakeComponent<TTimer>(owner.get());
    int ticks = 0;
    timer->SetInterval(10);
    timer->OnTimer = [&](TObject*) { ++ticks; };
    const DWORD start = GetTickCount();
    while (ticks < 3 && GetTickCount() - start < 3000) {
        Sleep(5);
        Pump();
    }
    EXPECT_GE(ticks, 3);
    timer->SetEnabled(false);
    Pump();
    const int stopped = ticks;
    for (int i = 0; i < 10; ++i) {
        Sleep(5);
        Pump();
    }
    EXPECT_EQ(ticks, stopped);
}

TEST(FrameworkProperties, FrameworkClassesPublishWhatTheSkinnersRead) {
    auto form = MakeForm();
    auto* button = MakeComponent<TButton>(form.get());
    auto* group = MakeComponent<TGroupBox>(form.get());
    auto* memo = MakeComponent<TMemo>(form.get());
    auto* pages = MakeComponent<TPageControl>(form.get());
    EXPECT_TRUE(button->InheritsFrom("TButton"));
    EXPECT_TRUE(group->InheritsFrom("TCustomGroupBox"));
    EXPECT_TRUE(memo->InheritsFrom("TCustomEdit"));
    EXPECT_TRUE(memo->InheritsFrom("TCustomMemo"));
    EXPECT_TRUE(pages->InheritsFrom("TCustomTabControl"));
    EXPECT_TRUE(form->InheritsFrom("TCustomForm"));
    EXPECT_EQ(GetPropValue(button, "Default"), "False");
    EXPECT_EQ(GetPropValue(group, "ParentBackground"), "False");
    EXPECT_TRUE(SetPropValue(group, "ParentBackground", "True"));
    EXPECT_EQ(GetOrdProp(button, "ParentBackground"), -1);
    EXPECT_EQ(GetPropValue(memo, "BorderStyle"), "bsSingle");
    EXPECT_EQ(GetPropValue(form.get(), "BorderStyle"), "bsSingle");
    EXPECT_EQ(GetPropValue(pages, "Style"), "tsTabs");
    EXPECT_EQ(GetObjectProp(button, "Font"), &button->Font());
    EXPECT_TRUE(SetPropValue(button, "Caption", "x"));
    EXPECT_EQ(GetWideStrProp(button, "Caption"), L"x");
    EXPECT_EQ(GetOrdProp(form.get(), "Color"), static_cast<long long>(clBtnFace));
    EXPECT_EQ(GetPropValue(form.get(), "AutoScroll"), "False");
}
