// The skin manager with our own skin: which windows get a form skinner and which skin data
// component serves them, and how switching skinning off and on runs before and after the
// first activation.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
#include "framework/Handles.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinManager.h"
#include "skin/data/SkinReader.h"
#include "skin/form/SkinForm.h"
#include "tests/win32/MenuTestSupport.h"

namespace {

std::vector<uint8_t> OurStream() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string file = path;
    file = file.substr(0, file.find_last_of("\\/") + 1) + "generated\\KelvoraSkin.skn";
    std::ifstream in(file, std::ios::binary);
    return WriteSkinStream({std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()});
}

// Pumps messages until the condition holds or the time is up.
// A plain top-level window of a class of ours, made as a window of `module`.
WindowHandle PlainWindow(const char* className, HINSTANCE module) {
    WNDCLASSA wc{};
    wc.style = CS_GLOBALCLASS;
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = className;
    RegisterClassA(&wc);
    return WindowHandle(CreateWindowExA(0, className, "plain", WS_POPUP | WS_CAPTION, 10, 10, 200, 150, nullptr,
                                        nullptr, module, nullptr));
}

INT_PTR CALLBACK PlainDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

class SkinManager : public ::testing::Test {
protected:
    void SetUp() override {
        TSkinManager::Destroy();
        host = MakeUnowned<TForm>();
        main = Streamed(host.get(), sfMainform);
        manager = TSkinManager::Instance();
        ASSERT_NE(manager, nullptr);
        ASSERT_FALSE(main->NoSkinLoaded());
    }
    void TearDown() override {
        TSkinManager::Destroy();
        forms.clear();
        host.reset();
    }
    TSkinData* Streamed(TComponent* owner, TSkinFormType scope) {
        auto* data = MakeComponent<TSkinData>(owner);
        data->SetLoading(true);
        data->FormScope = scope;
        data->SetActive(true);
        const std::vector<uint8_t> stream = OurStream();
        data->ReadSkinStream(stream.data(), stream.size());
        data->Loaded();
        return data;
    }
    TForm* NewForm(int tag = 0) {
        forms.push_back(MakeUnowned<TForm>());
        TForm* form = forms.back().get();
        form->SetTag(tag);
        form->SetBounds(50, 50, 300, 200);
        return form;
    }
    TUnowned<TForm> host;
    TSkinData* main = nullptr;
    TSkinManager* manager = nullptr;
    std::vector<TUnowned<TForm>> forms;
};

TEST_F(SkinManager, BeforeTheFirstActivationSkinAllOnlyFlipsSkinningOn) {
    EXPECT_TRUE(manager->HookInstalled());
    EXPECT_TRUE(main->Active());
    EXPECT_EQ(manager->StartState, kNotStarted);
    EXPECT_TRUE(manager->SkinningOn);
    manager->Schedule(saUnskinAll, 250);
    EXPECT_FALSE(manager->SkinningOn);
    manager->Schedule(saSkinAll, 250);
    EXPECT_TRUE(manager->SkinningOn);
    EXPECT_FALSE(manager->Timer()->Enabled());
    EXPECT_TRUE(manager->FormSkinners().empty());
}

TEST_F(SkinManager, ActivationSkinsAFormAndActiveOffOnRunsThroughTheTimer) {
    TForm* form = NewForm();
    int changes = 0;
    main->OnSkinChanged = [&](TObject*) { ++changes; };
    form->Show();
    ASSERT_TRUE(PumpUntil([&] { return manager->FindFormSkinner(form->Handle()) != nullptr; }, 2000));
    EXPECT_EQ(manager->StartState, kStarted);
    EXPECT_EQ(manager->FindFormSkinner(form->Handle())->SkinData(), main);
    EXPECT_EQ(manager->FindFormSkinner(form->Handle())->FormControl(), form);
    EXPECT_FALSE(manager->SkinWindow(form->Handle()));  // never two skinners

    main->SetActive(false);
    EXPECT_TRUE(manager->Timer()->Enabled());
    EXPECT_TRUE(manager->SkinningOn);  // not before the timer runs
    ASSERT_TRUE(PumpUntil([&] { return manager->FormSkinners().empty(); }, 3000));
    EXPECT_FALSE(manager->SkinningOn);
    EXPECT_EQ(changes, 1);

    main->SetActive(true);
    EXPECT_EQ(manager->FindFormSkinner(form->Handle()), nullptr);
    ASSERT_TRUE(PumpUntil([&] { return manager->FindFormSkinner(form->Handle()) != nullptr; }, 3000));
    EXPECT_TRUE(manager->SkinningOn);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(manager->CurrentSkinData, nullptr);
}

TEST_F(SkinManager, WindowsThatNeverGetAFormSkinner) {
    manager->StartState = kStarted;
    HINSTANCE self = GetModuleHandleA(nullptr);

    TForm* tagged = NewForm(99);
    main->DisableTag = 5;  // the form rule is the fixed 99
    tagged->Show();
    Application->ProcessMessages();
    EXPECT_FALSE(manager->SkinWindow(tagged->Handle()));
    EXPECT_EQ(manager->FindFormSkinner(tagged->Handle()), nullptr);

    WindowHandle foreign = PlainWindow("KelvoraForeignFrame", GetModuleHandleA("gdi32.dll"));
    ASSERT_TRUE(foreign);
    EXPECT_FALSE(manager->SkinWindow(foreign.get()));

    WindowHandle calendar = PlainWindow("SysMonthCal32", self);
    ASSERT_TRUE(calendar);
    EXPECT_FALSE(manager->WindowFilter(calendar.get(), "SysMonthCal32"));
    EXPECT_FALSE(manager->SkinWindow(calendar.get()));

    WindowHandle preview = PlainWindow("KelvoraPrintPreview", self);
    ASSERT_TRUE(preview);
    main->Options &= ~SkinBit(xoPreview);
    EXPECT_FALSE(manager->SkinWindow(preview.get()));
    // The same window of this module is skinned once previews are allowed.
    main->Options |= SkinBit(xoPreview);
    EXPECT_TRUE(manager->SkinWindow(preview.get()));
    EXPECT_NE(manager->FindFormSkinner(preview.get()), nullptr);

    // A handler replaces the built-in exclusions.
    std::vector<std::string> asked;
    main->OnFormSkin = [&](TObject*, const std::string& name, bool& doSkin) { asked.push_back(name); };
    EXPECT_TRUE(manager->WindowFilter(calendar.get(), "SysMonthCal32"));
    EXPECT_EQ(asked, std::vector<std::string>{"SysMonthCal32"});
    EXPECT_EQ(manager->FindFormSkinner(foreign.get()), nullptr);
    EXPECT_EQ(manager->FindFormSkinner(calendar.get()), nullptr);
}

TEST_F(SkinManager, DialogUsesTheDialogComponentWhenOneIsRegistered) {
    manager->StartState = kStarted;
    // A modeless "#32770" dialog from an in-memory template.
    struct {
        DLGTEMPLATE t;
        WORD menu, cls, title;
    } tmpl{};
    tmpl.t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    tmpl.t.cx = 120;
    tmpl.t.cy = 60;
    WindowHandle first(CreateDialogIndirectParamA(nullptr, &tmpl.t, nullptr, PlainDialogProc, 0));
    ASSERT_TRUE(first);
    EXPECT_EQ(manager->ChooseSkinData(first.get()), main);

    auto dialogOwner = MakeUnowned<TForm>();
    TSkinData* dialogs = Streamed(dialogOwner.get(), sfDialog);
    EXPECT_EQ(manager->ChooseSkinData(first.get()), dialogs);
    EXPECT_EQ(manager->ChooseSkinData(host->Handle()), main);
    ASSERT_TRUE(manager->SkinWindow(first.get()));
    EXPECT_EQ(manager->FindFormSkinner(first.get())->SkinData(), dialogs);
    // The dialog's component going away takes its skinner with it.
    dialogOwner.reset();
    EXPECT_EQ(manager->FindFormSkinner(first.get()), nullptr);
    EXPECT_EQ(manager->ChooseSkinData(first.get()), main);
}

}  // namespace
