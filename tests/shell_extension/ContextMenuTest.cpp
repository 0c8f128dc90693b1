// The handler as the shell drives it while building a menu: initialised with a
// data object, asked to add its items to a real menu and for its help texts.
#include <windows.h>
#include <shlobj.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "CaseName.h"
#include "BurnerFixture.h"
#include "OmbrixTestSupport.h"
#include "ShellFakes.h"

namespace ombrixtest {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

constexpr UINT kFirstId = 100;
constexpr UINT kLastId = 200;
const std::string kDataText = "Burn data CD/DVD with Lumavex Pro";
const std::string kAudioText = "Burn audio CD with Lumavex Pro";
const std::string kDataHelp = "Burn selected data onto CD/DVD with Lumavex Pro";
const std::string kAudioHelp = "Burn selected music onto audio CD with Lumavex Pro";

HRESULT Count(UINT n) { return MAKE_HRESULT(SEVERITY_SUCCESS, FACILITY_NULL, n); }

struct BuiltMenu {
    HRESULT result;
    std::vector<MenuItem> items;
};

// Asks the handler for its items on a menu already holding "Open" and "Print".
BuiltMenu BuildMenu(IContextMenu* handler, UINT flags = CMF_EXPLORE, UINT position = 1, UINT firstId = kFirstId,
                    UINT lastId = kLastId) {
    PopupMenu menu;
    menu.append(1, "Open");
    menu.append(2, "Print");
    const HRESULT result = handler->QueryContextMenu(menu.get(), position, firstId, lastId, flags);
    return {result, ReadMenu(menu.get())};
}

std::vector<MenuItem> WithCommands(bool audio, const std::string& dataText = kDataText,
                                   const std::string& audioText = kAudioText) {
    std::vector<MenuItem> items = {Item(1, "Open"), Separator(), Item(kFirstId, dataText)};
    if (audio) items.push_back(Item(kFirstId + 1, audioText));
    items.push_back(Separator());
    items.push_back(Item(2, "Print"));
    return items;
}

std::string HelpText(IContextMenu* handler, UINT_PTR offset) {
    char buffer[MAX_PATH] = {};
    EXPECT_EQ(handler->GetCommandString(offset, GCS_HELPTEXTA, nullptr, buffer, sizeof buffer), S_OK);
    return buffer;
}

// --- Initialize ---

TEST(Initialize, WithoutDataObjectIsAnInvalidArgument) {
    ComPtr<IShellExtInit> init;
    ASSERT_EQ(CoCreateInstance(kClsid, nullptr, CLSCTX_INPROC_SERVER, IID_IShellExtInit, init.putVoid()), S_OK);
    EXPECT_EQ(init->Initialize(nullptr, nullptr, nullptr), E_INVALIDARG);
}

TEST(Initialize, PassesOnTheDataObjectsOwnFailure) {
    ComPtr<IShellExtInit> init;
    ASSERT_EQ(CoCreateInstance(kClsid, nullptr, CLSCTX_INPROC_SERVER, IID_IShellExtInit, init.putVoid()), S_OK);
    for (HRESULT failure : {DV_E_FORMATETC, E_ACCESSDENIED}) {
        ComPtr<IDataObject> data = MakeDataObjectWithout(failure);
        EXPECT_EQ(init->Initialize(nullptr, data.get(), nullptr), failure);
    }
}

TEST(Initialize, ReadsTheFileListAndReleasesTheMedium) {
    for (DropForm form : {DropForm::Ansi, DropForm::Wide}) {
        ComPtr<IShellExtInit> init;
        ASSERT_EQ(CoCreateInstance(kClsid, nullptr, CLSCTX_INPROC_SERVER, IID_IShellExtInit, init.putVoid()), S_OK);
        int released = 0;
        ComPtr<IDataObject> data = MakeFileListDataObject({"C:\\Music\\track.mp3"}, form, &released);
        EXPECT_EQ(init->Initialize(nullptr, data.get(), nullptr), S_OK);
        EXPECT_EQ(released, 1);

        ComPtr<IContextMenu> handler;
        ASSERT_EQ(init->QueryInterface(IID_IContextMenu, handler.putVoid()), S_OK);
        EXPECT_EQ(BuildMenu(handler.get()).items, WithCommands(true));

        // A second initialisation replaces the selection.
        data = MakeFileListDataObject({"C:\\Docs\\letter.txt"}, form, &released);
        EXPECT_EQ(init->Initialize(nullptr, data.get(), nullptr), S_OK);
        EXPECT_EQ(released, 2);
        EXPECT_EQ(BuildMenu(handler.get()).items, WithCommands(false));
    }
}

// --- QueryContextMenu ---

struct FlagCase {
    const char* name;
    UINT flags;
    bool addsItems;
};

class MenuFlags : public ::testing::TestWithParam<FlagCase> {};

TEST_P(MenuFlags, OnlyDefaultOnlyOrNothingAddsNothing) {
    ComPtr<IContextMenu> handler = MakeHandler({"C:\\Music\\song.wav"});
    ASSERT_TRUE(handler);
    const BuiltMenu built = BuildMenu(handler.get(), GetParam().flags);
    if (GetParam().addsItems) {
        EXPECT_EQ(built.result, Count(2));
        EXPECT_EQ(built.items, WithCommands(true));
    } else {
        EXPECT_EQ(built.result, Count(0));
        EXPECT_THAT(built.items, ElementsAre(Item(1, "Open"), Item(2, "Print")));
    }
}

INSTANTIATE_TEST_SUITE_P(Flags, MenuFlags,
                         ::testing::Values(FlagCase{"Normal", CMF_NORMAL, false}, FlagCase{"DefaultOnly", CMF_DEFAULTONLY, false},
                                           FlagCase{"Explore", CMF_EXPLORE, true},
                                           FlagCase{"ExploreAndDefaultOnly", CMF_EXPLORE | CMF_DEFAULTONLY, true},
                                           FlagCase{"VerbsOnly", CMF_VERBSONLY, true},
                                           FlagCase{"ExtendedVerbs", CMF_EXTENDEDVERBS, true}),
                         testsupport::CaseName());

struct SelectionCase {
    const char* name;
    std::vector<std::string> paths;
    bool audio;
};

class AudioSelection : public ::testing::TestWithParam<SelectionCase> {};

TEST_P(AudioSelection, GetsTheAudioCommandWhenAnyNameHasAnAudioExtension) {
    ComPtr<IContextMenu> handler = MakeHandler(GetParam().paths);
    ASSERT_TRUE(handler);
    const BuiltMenu built = BuildMenu(handler.get());
    EXPECT_EQ(built.result, Count(GetParam().audio ? 2 : 1));
    EXPECT_EQ(built.items, WithCommands(GetParam().audio));
}

INSTANTIATE_TEST_SUITE_P(
    Selections, AudioSelection,
    ::testing::Values(
        SelectionCase{"OneTextFile", {"C:\\Docs\\letter.txt"}, false},
        SelectionCase{"FolderAndCapitalMp3", {"C:\\Music", "C:\\Music\\SONG.MP3"}, true},
        SelectionCase{"ItAfterAnotherExtension", {"C:\\Music\\tune.mod.it"}, true},
        SelectionCase{"ItBeforeAnotherExtension", {"C:\\Music\\tune.it.txt"}, false},
        SelectionCase{"FolderNamedWav", {"C:\\Samples\\x.wav"}, true},
        SelectionCase{"AudioNameOnlyInTheFolderPart", {"C:\\x.wav\\notes.txt", "C:\\y.mp3\\readme"}, false},
        SelectionCase{"NearMisses", {"C:\\m\\song.wavx", "C:\\m\\mp3", "C:\\m\\song.mp", "C:\\m\\.mp4"}, false},
        SelectionCase{"AudioLastInAMixedSelection", {"C:\\a.txt", "C:\\b.doc", "C:\\c.Ogg"}, true},
        SelectionCase{"ForwardSlashSeparator", {"C:\\music.wav/notes.txt"}, false},
        SelectionCase{"EmptySelection", {}, false}),
    [](const ::testing::TestParamInfo<SelectionCase>& info) { return std::string(info.param.name); });

TEST(AudioSelection, KnowsAllThirteenExtensions) {
    for (const char* extension : {".wav", ".mp1", ".mp2", ".mp3", ".ogg", ".wma", ".mo3", ".it", ".xm", ".s3m",
                                  ".mtm", ".mod", ".umx", ".WAV", ".Mp3", ".UMX"}) {
        ComPtr<IContextMenu> handler = MakeHandler({std::string("C:\\Music\\piece") + extension});
        ASSERT_TRUE(handler);
        EXPECT_EQ(BuildMenu(handler.get()).result, Count(2)) << extension;
    }
}

struct PlacementCase {
    const char* name;
    UINT position;
    UINT lastId;
    HRESULT result;
    std::vector<MenuItem> items;
};

class Placement : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(Placement, InsertsByPositionWithinTheGrantedIdentifiers) {
    ComPtr<IContextMenu> handler = MakeHandler({"C:\\Music\\song.mp3"});
    ASSERT_TRUE(handler);
    const BuiltMenu built = BuildMenu(handler.get(), CMF_EXPLORE, GetParam().position, kFirstId, GetParam().lastId);
    EXPECT_EQ(built.result, GetParam().result);
    EXPECT_THAT(built.items, ElementsAreArray(GetParam().items));
}

INSTANTIATE_TEST_SUITE_P(
    Positions, Placement,
    ::testing::Values(
        PlacementCase{"AtTheTop", 0, kLastId, Count(2),
                      {Separator(), Item(kFirstId, kDataText), Item(kFirstId + 1, kAudioText), Separator(),
                       Item(1, "Open"), Item(2, "Print")}},
        PlacementCase{"AtTheEnd", 2, kLastId, Count(2),
                      {Item(1, "Open"), Item(2, "Print"), Separator(), Item(kFirstId, kDataText),
                       Item(kFirstId + 1, kAudioText), Separator()}},
        PlacementCase{"AppendedInOrder", static_cast<UINT>(-1), kLastId, Count(2),
                      {Item(1, "Open"), Item(2, "Print"), Separator(), Item(kFirstId, kDataText),
                       Item(kFirstId + 1, kAudioText), Separator()}},
        PlacementCase{"OneIdentifierGranted", 1, kFirstId, Count(1),
                      {Item(1, "Open"), Separator(), Item(kFirstId, kDataText), Separator(), Item(2, "Print")}},
        PlacementCase{"NoIdentifierGranted", 1, kFirstId - 1, Count(0), {Item(1, "Open"), Item(2, "Print")}}),
    [](const ::testing::TestParamInfo<PlacementCase>& info) { return std::string(info.param.name); });

// --- Texts from the language file ---

struct LanguageCase {
    const char* name;
    std::optional<std::string> languageFile;
    std::string dataText;
    std::string audioText;
    std::string dataHelp;
    std::string audioHelp;
};

class LanguageTexts : public ::testing::TestWithParam<LanguageCase> {};

TEST_P(LanguageTexts, ComeFromSectionOmbrixOrAreBuiltIn) {
    BurnerInstallation burner;
    if (GetParam().languageFile) burner.writeLanguageFile(*GetParam().languageFile);
    ComPtr<IContextMenu> handler = MakeHandler({"C:\\Music\\song.mp3"});
    ASSERT_TRUE(handler);
    EXPECT_EQ(BuildMenu(handler.get()).items, WithCommands(true, GetParam().dataText, GetParam().audioText));
    EXPECT_EQ(HelpText(handler.get(), 0), GetParam().dataHelp);
    EXPECT_EQ(HelpText(handler.get(), 1), GetParam().audioHelp);
}

INSTANTIATE_TEST_SUITE_P(
    Files, LanguageTexts,
    ::testing::Values(
        LanguageCase{"Missing", std::nullopt, kDataText, kAudioText, kDataHelp, kAudioHelp},
        LanguageCase{"Translated",
                     "[General]\r\nSHS1=wrong section\r\n[Ombrix]\r\nSHS1=Daten brennen\r\nSHS2=Audio-CD brennen\r\n"
                     "SHS1SB=Auswahl auf CD/DVD brennen\r\nSHS2SB=Musik auf Audio-CD brennen\r\n",
                     "Daten brennen", "Audio-CD brennen", "Auswahl auf CD/DVD brennen", "Musik auf Audio-CD brennen"},
        LanguageCase{"PartlyTranslated", "[Ombrix]\r\nSHS2=Audio-CD brennen\r\n", kDataText, "Audio-CD brennen",
                     kDataHelp, kAudioHelp},
        LanguageCase{"PresentButEmpty", "[Ombrix]\r\nSHS1=\r\nSHS2SB=\r\n", "", kAudioText, kDataHelp, ""},
        LanguageCase{"OtherSectionsOnly", "[Extractor]\r\nSHS1=Daten brennen\r\n", kDataText, kAudioText, kDataHelp,
                     kAudioHelp},
        LanguageCase{"LongerThanTheBuffer", "[Ombrix]\r\nSHS1=" + std::string(300, 'x') + "\r\n",
                     std::string(259, 'x'), kAudioText, kDataHelp, kAudioHelp}),
    [](const ::testing::TestParamInfo<LanguageCase>& info) { return std::string(info.param.name); });

TEST(LanguageTexts, AreBuiltInWhenTheRegistryNamesNoFolder) {
    BurnerInstallation burner;
    burner.writeLanguageFile("[Ombrix]\r\nSHS1=Daten brennen\r\n");
    DeleteAppPathPro();
    ComPtr<IContextMenu> handler = MakeHandler({"C:\\Music\\song.mp3"});
    ASSERT_TRUE(handler);
    EXPECT_EQ(BuildMenu(handler.get()).items, WithCommands(true));

    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Norvane");
    handler = MakeHandler({"C:\\Music\\song.mp3"});
    ASSERT_TRUE(handler);
    EXPECT_EQ(BuildMenu(handler.get()).items, WithCommands(true));
}

TEST(LanguageTexts, FolderValueOfAnyTypeIsReadUpToItsFirstZero) {
    BurnerInstallation burner;
    burner.writeLanguageFile("[Ombrix]\r\nSHS1=Daten brennen\r\n");
    for (DWORD type : {static_cast<DWORD>(REG_EXPAND_SZ), static_cast<DWORD>(REG_BINARY)}) {
        SetAppPathPro(burner.folder(), type, /*withTerminator=*/type != REG_BINARY);
        ComPtr<IContextMenu> handler = MakeHandler({"C:\\Docs\\a.txt"});
        ASSERT_TRUE(handler);
        EXPECT_EQ(BuildMenu(handler.get()).items, WithCommands(false, "Daten brennen")) << "type " << type;
    }
    SetAppPathPro(burner.folder() + std::string(1, '\0') + "C:\\elsewhere\\", REG_BINARY);
    ComPtr<IContextMenu> handler = MakeHandler({"C:\\Docs\\a.txt"});
    ASSERT_TRUE(handler);
    EXPECT_EQ(BuildMenu(handler.get()).items, WithCommands(false, "Daten brennen"));
}

// --- GetCommandString ---

struct CommandStringCase {
    const char* name;
    UINT_PTR offset;
    UINT kind;
    UINT bufferSize;  // in characters of the kind asked for
    HRESULT result;
    std::string text;  // expected content when the result is S_OK
};

class CommandString : public ::testing::TestWithParam<CommandStringCase> {};

TEST_P(CommandString, AnswersHelpTextsAndVerbsCutToTheBuffer) {
    ComPtr<IContextMenu> handler = MakeHandler({"C:\\Music\\song.mp3"});
    ASSERT_TRUE(handler);
    const CommandStringCase& c = GetParam();
    const bool wide = (c.kind & GCS_UNICODE) != 0;
    const std::size_t charSize = wide ? sizeof(wchar_t) : 1;
    // A sentinel beyond the stated size catches writes past the buffer.
    std::string buffer((c.bufferSize + 8) * charSize, '#');
    const HRESULT result = handler->GetCommandString(c.offset, c.kind, nullptr, buffer.data(), c.bufferSize);
    EXPECT_EQ(result, c.result);
    EXPECT_EQ(buffer.substr(c.bufferSize * charSize), std::string(8 * charSize, '#'));
    if (result != S_OK) {
        EXPECT_EQ(buffer, std::string(buffer.size(), '#')) << "nothing written on failure";
        return;
    }
    if (wide) {
        const auto* text = reinterpret_cast<const wchar_t*>(buffer.data());
        EXPECT_EQ(std::wstring(text), std::wstring(c.text.begin(), c.text.end()));
    } else {
        EXPECT_EQ(std::string(buffer.c_str()), c.text);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, CommandString,
    ::testing::Values(
        CommandStringCase{"DataHelp", 0, GCS_HELPTEXTA, MAX_PATH, S_OK, kDataHelp},
        CommandStringCase{"AudioHelpCutToTen", 1, GCS_HELPTEXTA, 10, S_OK, "Burn sele"},
        CommandStringCase{"HelpInOneCharacter", 0, GCS_HELPTEXTA, 1, S_OK, ""},
        CommandStringCase{"WideAudioHelp", 1, GCS_HELPTEXTW, MAX_PATH, S_OK, kAudioHelp},
        CommandStringCase{"WideHelpCutToTen", 0, GCS_HELPTEXTW, 10, S_OK, "Burn sele"},
        CommandStringCase{"DataVerb", 0, GCS_VERBA, 64, S_OK, "lumavex.burndata"},
        CommandStringCase{"WideAudioVerb", 1, GCS_VERBW, 64, S_OK, "lumavex.burnaudio"},
        CommandStringCase{"VerbCutToEight", 1, GCS_VERBA, 8, S_OK, "lumavex"},
        CommandStringCase{"ValidateIsNotAnswered", 0, GCS_VALIDATEA, 64, E_NOTIMPL, ""},
        CommandStringCase{"WideValidateIsNotAnswered", 0, GCS_VALIDATEW, 64, E_NOTIMPL, ""},
        CommandStringCase{"IconIsNotAnswered", 0, GCS_VERBICONW, 64, E_NOTIMPL, ""},
        CommandStringCase{"OffsetTwo", 2, GCS_HELPTEXTA, 64, E_FAIL, ""},
        CommandStringCase{"FarOffset", 0x10000, GCS_VERBW, 64, E_FAIL, ""},
        CommandStringCase{"NoRoomAtAll", 0, GCS_HELPTEXTA, 0, E_INVALIDARG, ""}),
    [](const ::testing::TestParamInfo<CommandStringCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ombrixtest
