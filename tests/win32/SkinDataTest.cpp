// The skin data component on a form: its stored values, the package it reads and writes,
// what Loaded does with them, and the failures that leave skinning off.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinManager.h"
#include "skin/data/SkinReader.h"
#include "tests/win32/SkinTestSupport.h"

namespace {

std::vector<uint8_t> Stored(const std::vector<uint8_t>& package) { return WriteSkinStream(package); }

class SkinData : public ::testing::Test {
protected:
    void SetUp() override { TSkinManager::Destroy(); }
    void TearDown() override {
        form.reset();
        TSkinManager::Destroy();
    }
    // A skin data component on the form, streamed as the form's layout does it: stored
    // values while loading, then Loaded.
    TSkinData* Streamed(const std::vector<uint8_t>& stream, bool active) {
        auto* data = MakeComponent<TSkinData>(form.get());
        data->SetLoading(true);
        data->SetActive(active);
        EXPECT_TRUE(data->ReadSkinStream(stream.data(), stream.size()));
        data->Loaded();
        return data;
    }
    TUnowned<TForm> form = MakeUnowned<TForm>();
};

TEST_F(SkinData, StoredValuesAndThePackageRoundTrip) {
    auto* data = MakeComponent<TSkinData>(form.get());
    EXPECT_FALSE(data->Active());
    EXPECT_EQ(data->DisableTag, 99);
    EXPECT_EQ(data->SkinControls, 0x1FFFFBu);
    EXPECT_EQ(data->Options, 0x0448);
    EXPECT_EQ(data->FormScope, sfMainform);
    ASSERT_EQ(data->ClassKinds().Count(), 118);
    EXPECT_EQ(data->ClassKinds().Strings(0), "TCategoryButtons=Scrollbar");
    EXPECT_TRUE(data->NoSkinLoaded());
    data->SetVersion("9.9");
    EXPECT_EQ(data->Version(), "2.3.11.08");

    const std::vector<uint8_t> package = OurPackage();
    ASSERT_FALSE(package.empty());
    const std::vector<uint8_t> stream = Stored(package);
    ASSERT_TRUE(data->ReadSkinStream(stream.data(), stream.size()));
    EXPECT_FALSE(data->NoSkinLoaded());
    EXPECT_EQ(data->SkinStore(), "(none)");  // also with a package loaded
    EXPECT_EQ(data->WriteSkinStream(), stream);
    // A size announcing more bytes than stored is refused and keeps the package.
    std::vector<uint8_t> cut(stream.begin(), stream.end() - 1);
    EXPECT_FALSE(data->ReadSkinStream(cut.data(), cut.size()));
    EXPECT_EQ(data->PackageData(), package);

    // A missing skin file changes nothing.
    data->SetSkinFile("C:\\no such folder\\none.skn");
    EXPECT_FALSE(data->NoSkinLoaded());
    EXPECT_EQ(data->PackageData(), package);
}

TEST_F(SkinData, EmptyStreamResetsActiveAtLoadedAndNothingStarts) {
    TSkinData* data = Streamed(Stored({}), true);
    EXPECT_FALSE(data->Active());
    EXPECT_TRUE(data->NoSkinLoaded());
    TSkinManager* manager = TSkinManager::Instance();
    ASSERT_NE(manager, nullptr);
    EXPECT_TRUE(manager->HookInstalled());
    EXPECT_EQ(manager->MainSkinData, data);
    EXPECT_FALSE(manager->SkinningOn);
    form->Show();
    Application->ProcessMessages();
    EXPECT_EQ(manager->FindFormSkinner(form->Handle()), nullptr);
    EXPECT_TRUE(manager->FormSkinners().empty());
}

TEST_F(SkinData, LoadedDropsMenuItemWithMainMenuElseSystemMenuAndMakesTheIcon) {
    HWND app = Application->Handle();
    auto previous = reinterpret_cast<HICON>(
        SendMessageA(app, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(LoadIcon(nullptr, IDI_APPLICATION))));
    auto* withMain = MakeComponent<TSkinData>(form.get());
    withMain->SkinControls = kDefaultSkinControls | SkinBit(xcMenuItem) | SkinBit(xcSystemMenu);
    withMain->Loaded();
    EXPECT_FALSE(SkinHas(withMain->SkinControls, xcMenuItem));
    EXPECT_TRUE(SkinHas(withMain->SkinControls, xcSystemMenu));
    const PixelBuffer& icon = withMain->AppIcon();
    ASSERT_EQ(icon.Width(), GetSystemMetrics(SM_CXSMICON));
    ASSERT_EQ(icon.Height(), GetSystemMetrics(SM_CYSMICON));
    int drawn = 0;
    for (int y = 0; y < icon.Height(); ++y)
        for (int x = 0; x < icon.Width(); ++x) drawn += (icon.Pixel(x, y) & 0xFFFFFF) != 0xFF00FF;
    EXPECT_GT(drawn, 0);
    SendMessageA(app, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(previous));

    auto* noMain = MakeComponent<TSkinData>(form.get());
    noMain->SkinControls = (kDefaultSkinControls | SkinBit(xcMenuItem) | SkinBit(xcSystemMenu)) & ~SkinBit(xcMainMenu);
    noMain->Loaded();
    EXPECT_TRUE(SkinHas(noMain->SkinControls, xcMenuItem));
    EXPECT_FALSE(SkinHas(noMain->SkinControls, xcSystemMenu));
    // Only the first main component is the manager's main one; freeing it drops that.
    EXPECT_EQ(TSkinManager::Instance()->MainSkinData, withMain);
    TComponent::Free(withMain);
    EXPECT_EQ(TSkinManager::Instance()->MainSkinData, nullptr);
    EXPECT_EQ(TSkinManager::Instance()->SkinDataList().size(), 1u);
}

TEST_F(SkinData, UnknownVersionPackageShowsTheMessageAndActiveStaysOff) {
    std::vector<std::string> shown;
    SkinMessageHandler previous = SetSkinMessageHandler([&](const std::string& text) { shown.push_back(text); });
    const std::vector<uint8_t> package = BuildSkinPackage(12345, {{"skin.ini", {'[', 'a', ']'}}});
    TSkinData* data = Streamed(Stored(package), true);
    SetSkinMessageHandler(previous);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], kOlderSkinMessage);
    EXPECT_TRUE(data->NoSkinLoaded());
    EXPECT_FALSE(data->Active());

    // Switching on a component whose skin failed changes the property but starts nothing.
    TSkinManager* manager = TSkinManager::Instance();
    data->SetActive(true);
    EXPECT_TRUE(data->Active());
    EXPECT_FALSE(manager->SkinningOn);
    EXPECT_EQ(manager->StartState, kNotStarted);
    EXPECT_EQ(manager->PendingAction, saNone);
    EXPECT_FALSE(manager->Timer()->Enabled());
}

}  // namespace
