// Classification on real windows: which skinner each control of a framework form gets,
// a disabled radio group keeping its buttons plain, and the buttons of a system dialog
// reached through its bare child windows.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/CheckBoxes.h"
#include "framework/Forms.h"
#include "framework/PrivateMessages.h"
#include "framework/StdCtrls.h"
#include "skin/controls/Classify.h"
#include "skin/controls/SkinControl.h"
#include "skin/data/SkinData.h"
#include "skin/form/SkinForm.h"
#include "tests/win32/SkinTestSupport.h"

namespace {

// A radio group of another library, as far as classification sees it: its class name.
class TTestRadioGroup : public TCustomGroupBox {
    KELVORA_CLASS(TTestRadioGroup)
public:
    explicit TTestRadioGroup(TComponent* owner) : TCustomGroupBox(owner) {}
};

void Pump() { Application->ProcessMessages(); }

// The class names of the skinners an owner holds.
std::vector<std::string> SkinnersOf(const TComponent* owner) {
    std::vector<std::string> names;
    for (int i = 0; i < owner->ComponentCount(); ++i)
        if (auto* s = dynamic_cast<TSkinControl*>(owner->Components(i))) names.push_back(s->ClassName());
    return names;
}

// The class of the form skinner's skinner on a bare window ("" when none).
std::string BareSkinner(const TSkinForm& form, HWND window) {
    std::string found;
    for (int i = 0; i < form.ComponentCount(); ++i)
        if (auto* s = dynamic_cast<TSkinControl*>(form.Components(i)); s && s->Handle() == window) {
            EXPECT_EQ(found, "") << "two skinners on one window";
            found = s->ClassName();
        }
    return found;
}

using Names = std::vector<std::string>;

HWND Child(HWND parent, const char* cls, DWORD style, int y, const char* text = "x") {
    return CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | style, 10, y, 120, 22, parent, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

class Classify : public ::testing::Test {
protected:
    void SetUp() override {
        data = OurSkinData();
        ASSERT_FALSE(data->NoSkinLoaded());
        form = MakeUnowned<TForm>();
        form->SetClientSize(400, 300);
    }
    void AttachSkinner(HWND window, bool framework) {
        skinner = MakeUnowned<TSkinForm>();
        char name[101] = {};
        GetClassNameA(window, name, sizeof name);
        skinner->SetWindow(window, nullptr, name);
        if (framework)
            skinner->AttachToForm(data.get(), form.get());
        else
            skinner->AttachToWindow(data.get());
    }
    template <class T>
    T* Add(TWinControl* parent, int y) {
        T* c = MakeComponent<T>(form.get());
        c->SetParent(parent);
        c->SetBounds(10, y, 150, 40);
        return c;
    }

    TUnowned<TSkinData> data;
    TUnowned<TForm> form;
    TUnowned<TSkinForm> skinner;
};

}  // namespace

const TClassInfo& TTestRadioGroup::StaticClass() {
    static const TClassInfo c("TTestRadioGroup", &TCustomGroupBox::StaticClass());
    return c;
}

TEST_F(Classify, FormControlsAndBareChildrenGetTheirSkinnersOnce) {
    auto* button = Add<TButton>(form.get(), 10);
    auto* memo = Add<TMemo>(form.get(), 60);
    auto* list = Add<TListBox>(form.get(), 110);
    auto* label = Add<TLabel>(form.get(), 160);
    auto* box = Add<TCheckBox>(form.get(), 260);
    auto* radio = Add<TRadioButton>(form.get(), 280);
    form->Show();
    HWND w = form->Handle();
    HWND check = Child(w, "button", BS_AUTOCHECKBOX, 200);
    HWND group = Child(w, "button", BS_GROUPBOX, 230);
    Pump();
    AttachSkinner(w, true);

    SkinFormControls(*skinner, form.get());
    WalkBareChildren(*skinner, w);
    SkinFormControls(*skinner, form.get());  // a second run adds nothing
    WalkBareChildren(*skinner, w);

    EXPECT_EQ(SkinnersOf(button), Names{"TSkinButton"});
    EXPECT_EQ(SkinnersOf(memo), Names{"TSkinScrollbar"});
    EXPECT_EQ(SkinnersOf(list), Names{"TSkinScrollbar"});
    EXPECT_TRUE(SkinnersOf(label).empty());
    EXPECT_EQ(SkinnersOf(box), Names{"TSkinCheckBox"});
    EXPECT_EQ(SkinnersOf(radio), Names{"TSkinRadioButton"});
    EXPECT_EQ(BareSkinner(*skinner, box->Handle()), "");
    EXPECT_EQ(BareSkinner(*skinner, check), "TSkinCheckBox");
    EXPECT_EQ(BareSkinner(*skinner, group), "");
    EXPECT_EQ(BareSkinner(*skinner, button->Handle()), "");  // the framework button has its own
    EXPECT_EQ(1, SendMessageA(button->Handle(), SKINMSG_QUERY, 0, 0));
    EXPECT_EQ(1, SendMessageA(check, SKINMSG_QUERY, 0, 0));
    EXPECT_NE(1, SendMessageA(group, SKINMSG_QUERY, 0, 0));

    skinner.reset();
    DestroyWindow(check);
    DestroyWindow(group);
}

TEST_F(Classify, DisabledRadioGroupKeepsItselfAndItsButtonsPlain) {
    auto* groupOn = Add<TTestRadioGroup>(form.get(), 10);
    auto* inOn = Add<TButton>(groupOn, 10);
    auto* groupOff = Add<TTestRadioGroup>(form.get(), 60);
    groupOff->SetTag(data->DisableTag);
    auto* inOff1 = Add<TButton>(groupOff, 10);
    auto* inOff2 = Add<TButton>(groupOff, 30);
    form->Show();
    Pump();
    AttachSkinner(form->Handle(), true);

    SkinFormControls(*skinner, form.get());

    // The group box skinner is not in this build: the enabled group walks its buttons only.
    EXPECT_EQ(SkinnersOf(inOn), Names{"TSkinButton"});
    EXPECT_TRUE(SkinnersOf(groupOff).empty());
    EXPECT_TRUE(SkinnersOf(inOff1).empty());
    EXPECT_TRUE(SkinnersOf(inOff2).empty());
    EXPECT_EQ(inOff2->Tag(), data->DisableTag);
    EXPECT_NE(1, SendMessageA(inOff1->Handle(), SKINMSG_QUERY, 0, 0));
}

TEST_F(Classify, SystemDialogButtonsThroughItsBareChildren) {
    HWND dialog = CreateWindowExA(0, "#32770", "dialog", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 300, 300, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_TRUE(dialog);
    HWND push = Child(dialog, "button", BS_DEFPUSHBUTTON | WS_TABSTOP, 10, "OK");
    HWND radio = Child(dialog, "button", BS_AUTORADIOBUTTON, 40);
    HWND owner = Child(dialog, "button", BS_OWNERDRAW, 70);
    HWND nested = Child(dialog, "#32770", 0, 100);
    SetWindowPos(nested, nullptr, 10, 100, 200, 100, SWP_NOZORDER);
    HWND inner = Child(nested, "button", BS_PUSHBUTTON, 10, "inner");
    Pump();
    AttachSkinner(dialog, false);

    WalkBareChildren(*skinner, dialog);

    EXPECT_EQ(BareSkinner(*skinner, push), "TSkinButton");
    EXPECT_EQ(BareSkinner(*skinner, radio), "TSkinRadioButton");
    EXPECT_EQ(BareSkinner(*skinner, owner), "");
    EXPECT_EQ(BareSkinner(*skinner, inner), "TSkinButton");
    EXPECT_EQ(1, SendMessageA(inner, SKINMSG_QUERY, 0, 0));
    // The radio button keeps its behaviour under its skinner.
    EXPECT_EQ(0, SendMessageA(radio, BM_GETCHECK, 0, 0));
    SendMessageA(radio, BM_CLICK, 0, 0);
    EXPECT_EQ(BST_CHECKED, SendMessageA(radio, BM_GETCHECK, 0, 0));

    skinner.reset();
    DestroyWindow(dialog);
}
