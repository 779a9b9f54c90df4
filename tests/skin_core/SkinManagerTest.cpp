#include "skin/core/controldata/SkCommonData.h"
#include "skin/core/controldata/SkinCommandHandling.h"
#include "skin/core/manager/SkinCommands.h"
#include "skin/core/manager/SkinManager.h"
#include "skin/core/package/SkinPackage.h"
#include "skin/core/utils/SkinSystem.h"

#include "tests/support/TempFolder.h"

#include "ui/core/MemoryStream.h"
#include "ui/core/ScopeGuards.h"
#include "ui/core/TypeInfo.h"
#include "ui/forms/CustomControl.h"
#include "ui/forms/Form.h"
#include "ui/graphics/Bitmap.h"
#include "ui/graphics/JpegImage.h"

#include "platform/display/Display.h"
#include "platform/window/WindowHooks.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

const char* const kInternalName = "Classic (внутренний)";

std::string BitmapBytes(int w, int h) {
    TBitmap bitmap(w, h, TPixelFormat::pf24bit);
    TMemoryStream stream;
    bitmap.SaveToStream(stream);
    return std::string(stream.Memory(), static_cast<std::size_t>(stream.Size()));
}

std::string Options(const char* version, const char* buttonColor) {
    return std::string("[GLOBALINFO]\r\nVERSION=") + version +
           "\r\nMASTERBITMAP=MASTER.BMP\r\n"
           "[BUTTON]\r\nCOLOR=" + buttonColor +
           "\r\nBORDERSMASK=^0000^0000^0030^0020^0003^0003^0003^0003^1^0^0^0\r\n"
           "[SPLITTER]\r\nPARENTCLASS=BUTTON\r\n";
}

std::string Package(const char* version, const char* color) {
    return WriteSkinPackage({{"Options.dat", Options(version, color)}, {"Master.bmp", BitmapBytes(40, 30)}});
}

std::string JpegBytes(int w, int h) {
    TBitmap bitmap(w, h, TPixelFormat::pf24bit);
    TJPEGImage jpeg;
    jpeg.Assign(&bitmap);
    TMemoryStream stream;
    jpeg.SaveToStream(stream);
    return std::string(stream.Memory(), static_cast<std::size_t>(stream.Size()));
}

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A form that records the skin commands it gets.
class TListeningForm : public TForm {
public:
    using TForm::TForm;
    std::vector<std::uint16_t> commands;

protected:
    void WndProc(TMessage& message) override {
        if (message.Msg == SkinCommandMsg) commands.push_back(SkinCommandOf(message.WParam));
        TForm::WndProc(message);
    }
};

class SkinManager : public ::testing::Test {
protected:
    static void SetUpTestSuite() { platform::testing::UseHeadlessDisplay(); }
    void SetUp() override {
        SetSkinMessageBoxFunction([this](const std::string& text, bool error) {
            (error ? errors : warnings).push_back(text);
        });
        manager = std::make_unique<TSkinManager>(nullptr);
        manager->SetSkinDirectory(folder.Path().string());
        TSkStoredSkin& stored = manager->InternalSkins().Add();
        stored.Name = kInternalName;
        stored.SetData(Package("8", "111"));
    }
    void TearDown() override {
        manager.reset();
        SetSkinMessageBoxFunction(nullptr);
    }
    int ButtonColor() const {
        return manager->Skin().GeneralData.at(manager->FindSectionIndex("BUTTON")).Color;
    }

    TempFolder folder;
    std::unique_ptr<TSkinManager> manager;
    std::vector<std::string> errors, warnings;
};

}  // namespace

TEST_F(SkinManager, FallsBackOnTheInternalSkin) {
    EXPECT_TRUE(manager->IsDefault());
    for (std::string name : {std::string(kInternalName) + ".skz", std::string("Graphite")}) {
        manager->SetSkinName(name);
        EXPECT_EQ(manager->SkinName(), kInternalName) << name;
        EXPECT_EQ(ButtonColor(), 111);
        EXPECT_EQ(manager->SkinInfo(), "8");
        EXPECT_TRUE(manager->SkinFromPackage());
        EXPECT_TRUE(manager->SkinData().IsActive);
        EXPECT_EQ(manager->SkinData().SkinFolder, "");
    }
    // The stored skin keeps its data for the next load.
    EXPECT_GT(manager->InternalSkins().Items(0).Data().Size(), 0);
    int splitter = manager->FindSectionIndex("SPLITTER");
    EXPECT_EQ(manager->FindMaskIndex(splitter, "SPLITTER", "BORDERSMASK"), 0);
    EXPECT_TRUE(errors.empty());
    manager->SetActive(false);
    EXPECT_EQ(manager->SkinInfo(), "N/A");
    EXPECT_EQ(manager->FindSectionIndex("BUTTON"), -1);
}

TEST_F(SkinManager, LoadsFolderAndPackedSkinsFromTheSkinFolder) {
    WriteFile(folder.Path() / "Snow" / "Options.dat", Options("7.5", "222"));
    WriteFile(folder.Path() / "Snow" / "MASTER.BMP", BitmapBytes(40, 30));
    WriteFile(folder.Path() / "Amber.skz", Package("8", "333"));
    manager->SetSkinName("Snow");
    EXPECT_EQ(manager->SkinName(), "Snow");
    EXPECT_EQ(ButtonColor(), 222);
    EXPECT_FALSE(manager->SkinFromPackage());
    EXPECT_EQ(manager->SkinData().SkinFolder, (folder.Path() / "Snow").string() + "/");
    EXPECT_EQ(manager->Skin().MasterBitmap->Width(), 40);
    manager->SetSkinName("Amber");
    EXPECT_EQ(ButtonColor(), 333);
    EXPECT_TRUE(manager->SkinFromPackage());
    EXPECT_TRUE(errors.empty());
    TStringList list;
    std::string first;
    manager->ListSkins(list, 2, first);
    EXPECT_EQ(list.Text(), "Amber\r\nClassic (внутренний)\r\nSnow\r\n");
    EXPECT_EQ(first, kInternalName);
    manager->ListSkins(list, 1, first);
    EXPECT_EQ(list.Count(), 2);
}

TEST_F(SkinManager, DamagedSkinsAreRefusedAndTheOldSkinKept) {
    std::string good = Package("8", "444");
    std::string badMaskOptions = Options("8", "444");
    badMaskOptions.replace(badMaskOptions.find("^0030"), 5, "^00X0");
    struct Case {
        const char* what;
        std::string bytes;
        const char* message;
    } cases[] = {
        {"bad magic", "skzf" + good.substr(4), "Loaded data is not a packed skin file"},
        {"truncated header", good.substr(0, 10), nullptr},
        {"truncated stream", good.substr(0, good.size() - 40), nullptr},
        {"lying size", good.substr(0, 8) + std::string("\xF0\xFF\xFF\x7F", 4) + good.substr(12), nullptr},
        {"strict field", WriteSkinPackage({{"Options.dat", badMaskOptions}}), "'00X0' is not a valid integer value"},
        {"no options", WriteSkinPackage({{"Master.bmp", BitmapBytes(4, 4)}}), "В скине нет файла Options.dat"},
    };
    manager->SetSkinName(kInternalName);
    for (const Case& c : cases) {
        WriteFile(folder.Path() / "Broken.skz", c.bytes);
        errors.clear();
        manager->SetSkinName("Broken");
        ASSERT_EQ(errors.size(), 1u) << c.what;
        if (c.message) {
            EXPECT_EQ(errors[0], c.message) << c.what;
        }
        EXPECT_EQ(manager->SkinName(), kInternalName) << c.what;
        EXPECT_EQ(ButtonColor(), 111) << c.what;  // the previous skin, whole
        EXPECT_EQ(manager->FindMaskIndex(manager->FindSectionIndex("SPLITTER"), "SPLITTER", "BORDERSMASK"), 0);
    }
}

TEST_F(SkinManager, VersionNoticeShowsOncePerLoad) {
    WriteFile(folder.Path() / "Future.skz", Package("9.5", "1"));
    std::vector<bool> dialogsSkinned;
    SetSkinMessageBoxFunction([&](const std::string& text, bool) {
        warnings.push_back(text);
        dialogsSkinned.push_back(manager->SkinningRules.Contains(TxSkinningRule::srStdDialogs));
    });
    manager->SetSkinName("Future");
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(dialogsSkinned, std::vector<bool>{false});
    EXPECT_TRUE(manager->SkinningRules.Contains(TxSkinningRule::srStdDialogs));
    EXPECT_NE(warnings[0].find("have not complete support"), std::string::npos);
    manager->SetSkinName(kInternalName);
    EXPECT_EQ(warnings.size(), 1u);
}

TEST_F(SkinManager, NoSkinAnywhereSwitchesTheManagerOff) {
    TSkinManager second(nullptr);
    EXPECT_FALSE(second.IsDefault());
    second.SetSkinDirectory(folder.Path().string());
    second.SetSkinName("Nothing");
    EXPECT_FALSE(second.Active());
    EXPECT_EQ(second.SkinInfo(), "N/A");
    second.SetIsDefault(false);
    EXPECT_FALSE(second.IsDefault());
    manager->SetIsDefault(false);  // the only default stays the default
    EXPECT_TRUE(manager->IsDefault());
}

TEST_F(SkinManager, BroadcastsSkinCommandsToForms) {
    TListeningForm form(nullptr);
    form.HandleNeeded();
    manager->SetSkinName(kInternalName);
    EXPECT_EQ(form.commands, (std::vector<std::uint16_t>{ScNewSkin, ScStopFading, ScRefresh}));
    form.commands.clear();
    manager->SetActive(false);
    EXPECT_EQ(form.commands, (std::vector<std::uint16_t>{ScRemoveSkin}));
    form.commands.clear();
    manager->SetHotWindow(form.Handle());
    manager->SetHotWindow(nullptr);
    EXPECT_EQ(form.commands, (std::vector<std::uint16_t>{ScMouseEnter, ScMouseLeave}));
}

TEST(SkinCommand, WParamPacking) {
    EXPECT_EQ(MakeSkinWParam(ScGetParentBackground, 1), 0x220001u);
    EXPECT_EQ(SkinCommandOf(0x220001u), 34);
    EXPECT_EQ(SkinArgumentOf(0x220001u), 1);
}

TEST(StoredSkins, IndexOfComparesNamesExactly) {
    TSkStoredSkins skins;
    skins.Add().Name = "Classic (внутренний)";
    skins.Add().Name = "Snow";
    EXPECT_EQ(skins.IndexOf("Snow"), 1);
    EXPECT_EQ(skins.IndexOf("snow"), -1);
    EXPECT_EQ(skins.IndexOf("Classic (ВНУТРЕННИЙ)"), -1);
    EXPECT_EQ(skins.IndexOf(""), -1);
}

TEST_F(SkinManager, StoredSkinsAndSettingsTravelWithTheForm) {
    TSkStoredSkin& stored = manager->InternalSkins().Items(0);
    stored.BorderColor = 0x123456;
    stored.Author = "Автор";
    manager->AnimEffects().FormShow()->Mode = TxAnimType::atFading;
    manager->AnimEffects().Minimizing()->Active = false;
    manager->MenuSupport().IcoLineSkin = "ICOLINE";
    manager->ThirdParty().SetValue(static_cast<int>(TSkThirdKind::Button), "TButton");
    manager->SetSaturation(7);
    TMemoryStream stream;
    stream.WriteComponent(manager.get());
    manager.reset();

    TSkinManager read(nullptr);
    stream.SetPosition(0);
    stream.ReadComponent(&read);
    ASSERT_EQ(read.InternalSkins().Count(), 1);
    TSkStoredSkin& back = read.InternalSkins().Items(0);
    EXPECT_EQ(back.Name, kInternalName);
    EXPECT_EQ(std::string(back.Data().Memory(), static_cast<std::size_t>(back.Data().Size())), Package("8", "111"));
    EXPECT_EQ(back.BorderColor, 0x123456);
    EXPECT_EQ(back.Shadow1Blur, -1);
    EXPECT_EQ(back.Author, "Автор");
    EXPECT_EQ(read.AnimEffects().FormShow()->Mode, TxAnimType::atFading);
    EXPECT_EQ(read.AnimEffects().FormHide()->Mode, TxAnimType::atAero);
    EXPECT_FALSE(read.AnimEffects().Minimizing()->Active);
    EXPECT_EQ(read.MenuSupport().IcoLineSkin, "ICOLINE");
    EXPECT_TRUE(read.ThirdLists().Contains(TSkThirdKind::Button, "TButton"));
    EXPECT_EQ(read.Saturation(), 7);
    // The stored skin loads from what was read, as it was stored.
    read.SetSaturation(0);
    read.SetSkinName(kInternalName);
    EXPECT_EQ(read.Skin().GeneralData.at(read.FindSectionIndex("BUTTON")).Color, 111);

    // Another collection never replaces the stored skins.
    TSkStoredSkins other;
    other.Add().Name = "Other";
    read.InternalSkins().Assign(&other);
    ASSERT_EQ(read.InternalSkins().Count(), 1);
    EXPECT_EQ(read.InternalSkins().Items(0).Name, kInternalName);
}

TEST_F(SkinManager, ChangingAStoredSkinTellsTheSkinList) {
    int told = 0;
    manager->OnSkinListChanged = [&](TObject*) { ++told; };
    manager->InternalSkins().Add().Name = "Second";
    EXPECT_EQ(told, 1);
    manager->InternalSkins().Delete(1);
    EXPECT_EQ(told, 2);
}

TEST_F(SkinManager, AnimationAndEffectSettingsStartAtTheirDefaults) {
    const TxAnimEffects& a = manager->AnimEffects();
    const struct {
        const char* what;
        const TxFormAnimation* animation;
        bool active;
        int time;
        TxAnimType mode;
    } cases[] = {
        {"FormShow", a.FormShow(), true, 0, TxAnimType::atAero},
        {"FormHide", a.FormHide(), true, 0, TxAnimType::atAero},
        {"DialogShow", a.DialogShow(), true, 0, TxAnimType::atAero},
        {"DialogHide", a.DialogHide(), true, 0, TxAnimType::atAero},
        {"Minimizing", a.Minimizing(), true, 200, TxAnimType::atAero},
        {"PageChange", a.PageChange(), true, 0, TxAnimType::atAero},
        {"SkinChanging", a.SkinChanging(), true, 100, TxAnimType::atFading},
        {"BlendOnMoving", a.BlendOnMoving(), false, 1000, TxAnimType::atAero},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.animation->Active, c.active) << c.what;
        EXPECT_EQ(c.animation->Time, c.time) << c.what;
        EXPECT_EQ(c.animation->Mode, c.mode) << c.what;
    }
    EXPECT_EQ(a.BlendOnMoving()->BlendValue, 170);
    EXPECT_EQ(a.Buttons()->Events.Mask(), 0xFu);
    EXPECT_EQ(a.Buttons()->Manager, manager.get());
    EXPECT_TRUE(manager->Effects().AllowGlowing());
    EXPECT_TRUE(manager->Effects().AllowAeroBluring);
    EXPECT_TRUE(manager->SkinnedPopups());
    EXPECT_EQ(manager->MenuSupport().ExtraLineWidth, 32);
}

TEST_F(SkinManager, CommonSectionsJoinEverySkin) {
    manager->SetSkinName(kInternalName);
    TStringList common;
    common.SetText("; a comment keeps its blanks\r\n[MYPANEL]\r\nPARENTCLASS = BUTTON\r\n"
                   "TRANSPARENCY = 40\r\n[BUTTON]\r\nCOLOR=999\r\n");
    manager->SetCommonSections(common);
    EXPECT_EQ(manager->CommonSections().Strings(0), "; a comment keeps its blanks");
    EXPECT_EQ(manager->CommonSections().Strings(2), "PARENTCLASS=BUTTON");
    int added = manager->FindSectionIndex("MYPANEL");
    ASSERT_GE(added, 0);
    const TSkGeneralData& mine = manager->Skin().GeneralData.at(added);
    EXPECT_EQ(mine.Color, 111);  // from its parent in the skin
    EXPECT_EQ(mine.Transparency, 40);
    EXPECT_EQ(manager->FindMaskIndex(added, "MYPANEL", "BORDERSMASK"), 0);
    EXPECT_EQ(ButtonColor(), 111);  // the skin's own section stays as it is
    // Every later skin gets them too.
    WriteFile(folder.Path() / "Amber.skz", Package("8", "333"));
    manager->SetSkinName("Amber");
    EXPECT_GE(manager->FindSectionIndex("MYPANEL"), 0);
    EXPECT_EQ(manager->Skin().GeneralData.at(manager->FindSectionIndex("MYPANEL")).Color, 333);
}

TEST_F(SkinManager, JpegTexturesBecomeTexturesOrPatternsBySize) {
    std::string options = Options("8", "5") + "[PANEL]\r\nPATTERN=SMALL.JPG\r\nHOTPATTERN=big.jpeg\r\n";
    WriteFile(folder.Path() / "Wood" / "Options.dat", options);
    WriteFile(folder.Path() / "Wood" / "MASTER.BMP", BitmapBytes(40, 30));
    WriteFile(folder.Path() / "Wood" / "SMALL.JPG", JpegBytes(1000, 899));
    WriteFile(folder.Path() / "Wood" / "big.jpeg", JpegBytes(1000, 900));
    manager->SetSkinName("Wood");
    ASSERT_TRUE(errors.empty()) << errors[0];
    const TSkinContent& skin = manager->Skin();
    ASSERT_EQ(skin.Patterns.size(), 1u);
    EXPECT_EQ(skin.Patterns[0].Section, "PANEL");
    EXPECT_EQ(skin.Patterns[0].Key, "HOTPATTERN");
    EXPECT_EQ(skin.Patterns[0].Image->Width(), 1000);
    int panel = manager->FindSectionIndex("PANEL");
    int texture = skin.FindPatternIndex(panel, "PANEL", "PATTERN");
    ASSERT_GE(texture, 0);
    const TSkMaskData& record = skin.Masks.at(texture);
    EXPECT_EQ(record.ImageKind, ikTexture);
    EXPECT_EQ(record.FrameCount, 1);
    EXPECT_EQ(record.Owner, manager.get());
    ASSERT_TRUE(record.Image);
    EXPECT_EQ(record.Image->PixelFormat(), TPixelFormat::pf32bit);
    EXPECT_EQ(record.Image->Height(), 899);
    EXPECT_EQ(skin.GeneralData.at(panel).TextureIndex, texture);
}

namespace {

int hookedCreations = 0;
int hookReleases = 0;

bool CountingTryHook(platform::HWND) {
    ++hookedCreations;
    return false;
}

}  // namespace

TEST_F(SkinManager, TheDefaultManagerHooksWindowCreationWhileItHasASkin) {
    SetSkinDialogHook({&CountingTryHook, nullptr, nullptr, [] { ++hookReleases; }});
    hookedCreations = hookReleases = 0;
    TSkinManager second(nullptr);
    second.InternalSkins().Add().SetData(Package("8", "1"));
    second.SetSkinName("any");
    EXPECT_FALSE(second.DialogHookInstalled());  // not the default manager
    manager->SetSkinName(kInternalName);
    EXPECT_TRUE(manager->DialogHookInstalled());
    {
        TForm form(nullptr);
        form.HandleNeeded();
    }
    EXPECT_EQ(hookedCreations, 1);
    manager->SetActive(false);
    EXPECT_FALSE(manager->DialogHookInstalled());
    EXPECT_EQ(hookReleases, 1);
    {
        TForm form(nullptr);
        form.HandleNeeded();
    }
    EXPECT_EQ(hookedCreations, 1);
    SetSkinDialogHook({});
}

namespace {

std::vector<std::string> serviceCalls;

TSkFormServices RecordingServices() {
    TSkFormServices s;
    s.SnapshotForms = [](TSkinManager&) { serviceCalls.push_back("snapshot"); };
    s.FreezeForms = [](TSkinManager&) { serviceCalls.push_back("freeze"); };
    s.UnfreezeForms = [](TSkinManager&, bool animate) { serviceCalls.push_back(animate ? "unfreeze+" : "unfreeze"); };
    s.ForgetMenuBorderWidth = [](TSkinManager&) { serviceCalls.push_back("menu-width"); };
    s.UpdateMenus = [](TSkinManager&) { serviceCalls.push_back("update-menus"); };
    return s;
}

// A graphic control that answers command 37 with its skin data and notes the commands 30 it gets.
class TSkinnedGraphic : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;
    TSkCommonData Data{this, false};
    std::vector<platform::LPARAM> Left;

protected:
    void WndProc(TMessage& message) override {
        if (message.Msg == SkinCommandMsg && SkinCommandOf(message.WParam) == ScMouseLeave) Left.push_back(message.LParam);
        if (HandleSkinCommand(message, &Data)) return;
        TGraphicControl::WndProc(message);
    }
};

}  // namespace

TEST_F(SkinManager, ASkinChangeIsBracketedByTheFreezeAndResetsTheMenus) {
    SetSkinFormServices(RecordingServices());
    ScopeExit forget([] { SetSkinFormServices({}); });
    serviceCalls.clear();
    manager->SetSkinName(kInternalName);
    // Every freeze ends with the forms unfrozen, the new look faded in.
    EXPECT_EQ(serviceCalls, (std::vector<std::string>{"freeze", "menu-width", "unfreeze+"}));
    serviceCalls.clear();
    manager->SetHueOffset(30);
    EXPECT_EQ(serviceCalls, (std::vector<std::string>{"freeze", "unfreeze+"}));
    // Deferred updates leave the forms alone until they end.
    serviceCalls.clear();
    manager->SetDeferUpdates(true);
    manager->SetSaturation(10);
    EXPECT_TRUE(serviceCalls.empty());
    manager->EndDeferUpdates(true);
    EXPECT_EQ(serviceCalls, (std::vector<std::string>{"freeze", "menu-width", "unfreeze+"}));
    // With extended borders and the skin-change animation the forms are pictured first.
    manager->SetExtendedBorders(true);
    serviceCalls.clear();
    manager->SetSkinName(kInternalName);
    ASSERT_FALSE(serviceCalls.empty());
    EXPECT_EQ(serviceCalls.front(), "snapshot");
}

TEST_F(SkinManager, SkinnedPopupsSwitchedOnReapplyMenuSkinning) {
    SetSkinFormServices(RecordingServices());
    ScopeExit forget([] { SetSkinFormServices({}); });
    serviceCalls.clear();
    manager->SetSkinnedPopups(true);
    EXPECT_TRUE(serviceCalls.empty());
    manager->SetSkinnedPopups(false);
    EXPECT_TRUE(serviceCalls.empty());
    manager->SetSkinnedPopups(true);
    EXPECT_EQ(serviceCalls, (std::vector<std::string>{"update-menus"}));
}

TEST_F(SkinManager, VersionIsPublishedButNeverStored) {
    EXPECT_EQ(GetStrProp(*manager, "Version"), "1.0");
    const TPropInfo* info = GetPropInfo(*manager, "Version");
    ASSERT_NE(info, nullptr);
    EXPECT_FALSE(info->IsStored(*manager));
    EXPECT_FALSE(info->Writable());
}

TEST_F(SkinManager, HotGraphicControlTakesOverFromTheHotWindowAndStaysWhilePressed) {
    manager->SetSkinName(kInternalName);
    TForm form(nullptr);
    TSkinnedGraphic a(nullptr), b(nullptr);
    manager->SetHotWindow(form.Handle());
    manager->SetHotGraphicControl(&a);
    EXPECT_EQ(manager->HotWindow(), nullptr);
    manager->SetHotGraphicControl(&b);
    EXPECT_EQ(a.Left, (std::vector<platform::LPARAM>{reinterpret_cast<platform::LPARAM>(&b)}));
    // A pressed control keeps the mouse: clearing it, or a new hot window, changes nothing.
    b.Data.HasFocus = true;
    manager->SetHotGraphicControl(nullptr);
    EXPECT_EQ(manager->HotGraphicControl(), &b);
    manager->SetHotWindow(form.Handle());
    manager->SetHotWindow(nullptr);
    EXPECT_EQ(manager->HotGraphicControl(), &b);
    b.Data.HasFocus = false;
    manager->SetHotGraphicControl(nullptr);
    EXPECT_EQ(manager->HotGraphicControl(), nullptr);
    EXPECT_EQ(b.Left, (std::vector<platform::LPARAM>{0}));
}

namespace {

std::vector<std::string> hookCalls;

}  // namespace

TEST_F(SkinManager, HookProcedureHandsWindowsToTheFormSkinningByKind) {
    SetSkinDialogHook({[](platform::HWND) {
                           hookCalls.push_back("try");
                           return true;
                       },
                       [](platform::HWND) { hookCalls.push_back("menu"); }, [] { hookCalls.push_back("free"); },
                       nullptr, nullptr});
    ScopeExit forget([] { SetSkinDialogHook({}); });
    manager->SetSkinName(kInternalName);
    TForm form(nullptr);
    const auto window = reinterpret_cast<platform::WPARAM>(form.Handle());
    struct Case {
        int code;
        std::uintptr_t classAtom;
        bool skinnedPopups;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        {platform::HCBT_CREATEWND, 0x8002, true, {"try"}},
        {platform::HCBT_CREATEWND, 0x8000, true, {"menu"}},
        {platform::HCBT_CREATEWND, 0x8000, false, {}},
        {platform::HCBT_CREATEWND, 0x8001, true, {}},
        {platform::HCBT_CREATEWND, 0x1234, true, {}},
        {platform::HCBT_DESTROYWND, 0, true, {"free"}},
        {platform::HCBT_ACTIVATE, 0, true, {"try"}},
        {platform::HCBT_MOVESIZE, 0, true, {}},
    };
    for (const Case& c : cases) {
        hookCalls.clear();
        manager->SetSkinnedPopups(c.skinnedPopups);
        platform::CREATESTRUCT cs;
        cs.lpszClass = reinterpret_cast<const char*>(c.classAtom);
        platform::CBT_CREATEWND cbt{&cs, nullptr};
        SkinHookProc(c.code, window, reinterpret_cast<platform::LPARAM>(&cbt));
        EXPECT_EQ(hookCalls, c.calls) << c.code << " " << c.classAtom;
    }
    // A named class without extended styles is left alone.
    hookCalls.clear();
    platform::CREATESTRUCT named;
    named.lpszClass = "TForm";
    named.style = 1;
    platform::CBT_CREATEWND cbt{&named, nullptr};
    SkinHookProc(platform::HCBT_CREATEWND, window, reinterpret_cast<platform::LPARAM>(&cbt));
    EXPECT_TRUE(hookCalls.empty());
}
