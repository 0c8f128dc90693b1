// Choosing a command: the list file and the start of the burning application,
// observed through the stub "Lumavex.exe" that records what it was given.
#include <windows.h>
#include <shlobj.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "BurnerFixture.h"
#include "OmbrixTestSupport.h"
#include "ShellFakes.h"

namespace ombrixtest {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::SizeIs;

HRESULT InvokeOffset(IContextMenu* handler, UINT_PTR offset) {
    CMINVOKECOMMANDINFO invocation = {};
    invocation.cbSize = sizeof invocation;
    invocation.lpVerb = MAKEINTRESOURCEA(offset);
    invocation.nShow = SW_SHOWNORMAL;
    return handler->InvokeCommand(&invocation);
}

HRESULT InvokeVerb(IContextMenu* handler, const char* verb) {
    CMINVOKECOMMANDINFO invocation = {};
    invocation.cbSize = sizeof invocation;
    invocation.lpVerb = verb;
    invocation.nShow = SW_SHOWNORMAL;
    return handler->InvokeCommand(&invocation);
}

// The extended record as a current shell sends it, verb in both forms.
HRESULT InvokeWideVerb(IContextMenu* handler, const char* verb, const wchar_t* wideVerb) {
    CMINVOKECOMMANDINFOEX invocation = {};
    invocation.cbSize = sizeof invocation;
    invocation.fMask = CMIC_MASK_UNICODE;
    invocation.lpVerb = verb;
    invocation.lpVerbW = wideVerb;
    invocation.nShow = SW_SHOWNORMAL;
    return handler->InvokeCommand(reinterpret_cast<CMINVOKECOMMANDINFO*>(&invocation));
}

// "SHL", one to four hexadecimal digits, ".tmp" in either case.
bool IsListFileName(const std::string& name) {
    if (name.size() < 8 || name.size() > 11 || name.compare(0, 3, "SHL") != 0 ||
        lstrcmpiA(name.c_str() + name.size() - 4, ".tmp") != 0) {
        return false;
    }
    return std::all_of(name.begin() + 3, name.end() - 4, [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); });
}

// What the application must have been given for one command: a single
// argument, the switch immediately followed by the list file's full path.
void ExpectStartedWith(const StubRecord& record, const std::string& burnerSwitch, const std::string& listFolder,
                       const std::string& listBytes) {
    ASSERT_THAT(record.arguments, SizeIs(1)) << record.commandLine;
    const std::string& argument = record.arguments[0];
    ASSERT_EQ(argument.rfind(burnerSwitch, 0), 0u) << argument;
    const std::string listFile = argument.substr(burnerSwitch.size());
    EXPECT_EQ(FolderOf(listFile), listFolder);
    EXPECT_TRUE(IsListFileName(NameOf(listFile))) << listFile;
    const std::string quoted = "\"" + argument + "\"";
    EXPECT_EQ(record.commandLine.substr(record.commandLine.size() - quoted.size()), quoted)
        << "one quoted parameter: " << record.commandLine;
    EXPECT_EQ(record.listBytes, listBytes);
    EXPECT_EQ(ReadBytes(listFile), listBytes) << "the list file stays for the application";
}

std::string ListFileOf(const StubRecord& record) {
    const std::string& argument = record.arguments.at(0);
    return argument.substr(argument.find(':') + 1);
}

TEST(InvokeCommand, AudioCommandHandsOverTheSelectionInAListFile) {
    BurnerInstallation burner;
    ComPtr<IContextMenu> handler = MakeHandler({"C:\\Music", "C:\\Music\\SONG.MP3"});
    ASSERT_TRUE(handler);
    const std::string record = burner.expectRecord();
    ASSERT_EQ(InvokeOffset(handler.get(), 1), S_OK);
    const auto started = WaitForStubRecord(record);
    ASSERT_TRUE(started) << "the application was not started";
    ExpectStartedWith(*started, "-audio:", burner.folder(), "C:\\Music\nC:\\Music\\SONG.MP3\n");
}

TEST(InvokeCommand, DataCommandWritesPathsByteForByte) {
    BurnerInstallation burner;
    // 8-bit names pass unconverted, and a name beyond 259 characters is not cut.
    const std::string accented = "C:\\Fotos\\Caf\xE9 \xE0 Paris.jpg";
    const std::string longPath = "C:\\" + std::string(120, 'd') + "\\" + std::string(120, 'e') + "\\" +
                                 std::string(60, 'f') + ".txt";
    int released = 0;
    ComPtr<IShellExtInit> init;
    ASSERT_EQ(CoCreateInstance(kClsid, nullptr, CLSCTX_INPROC_SERVER, IID_IShellExtInit, init.putVoid()), S_OK);
    ComPtr<IDataObject> data = MakeFileListDataObject({accented, longPath, "D:\\"}, DropForm::Ansi, &released);
    ASSERT_EQ(init->Initialize(nullptr, data.get(), nullptr), S_OK);
    ComPtr<IContextMenu> handler;
    ASSERT_EQ(init->QueryInterface(IID_IContextMenu, handler.putVoid()), S_OK);

    const std::string record = burner.expectRecord();
    ASSERT_EQ(InvokeOffset(handler.get(), 0), S_OK);
    const auto started = WaitForStubRecord(record);
    ASSERT_TRUE(started);
    ExpectStartedWith(*started, "-data:", burner.folder(), accented + "\n" + longPath + "\nD:\\\n");
}

TEST(InvokeCommand, EmptySelectionGivesAnEmptyList) {
    BurnerInstallation burner;
    ComPtr<IContextMenu> handler = MakeHandler({});
    ASSERT_TRUE(handler);
    const std::string record = burner.expectRecord();
    ASSERT_EQ(InvokeOffset(handler.get(), 0), S_OK);
    const auto started = WaitForStubRecord(record);
    ASSERT_TRUE(started);
    ExpectStartedWith(*started, "-data:", burner.folder(), "");
}

TEST(InvokeCommand, SecondListFileNeverReplacesTheFirst) {
    BurnerInstallation burner;
    ComPtr<IContextMenu> first = MakeHandler({"C:\\one.txt"});
    ComPtr<IContextMenu> second = MakeHandler({"C:\\two.wav"});
    ASSERT_TRUE(first && second);
    const std::string firstRecord = burner.expectRecord();
    ASSERT_EQ(InvokeOffset(first.get(), 0), S_OK);
    const std::string secondRecord = burner.expectRecord();
    ASSERT_EQ(InvokeOffset(second.get(), 1), S_OK);
    const auto firstStart = WaitForStubRecord(firstRecord);
    const auto secondStart = WaitForStubRecord(secondRecord);
    ASSERT_TRUE(firstStart && secondStart);

    EXPECT_NE(ListFileOf(*firstStart), ListFileOf(*secondStart));
    EXPECT_EQ(ReadBytes(ListFileOf(*firstStart)), "C:\\one.txt\n");
    EXPECT_EQ(ReadBytes(ListFileOf(*secondStart)), "C:\\two.wav\n");
    EXPECT_THAT(burner.listFiles(), SizeIs(2));
}

struct VerbCase {
    const char* name;
    const char* verb;
    const wchar_t* wideVerb;  // nullptr: the plain record with the 8-bit verb
    const char* burnerSwitch;
};

class Verbs : public ::testing::TestWithParam<VerbCase> {};

TEST_P(Verbs, NameTheCommandsLikeOffsets) {
    BurnerInstallation burner;
    ComPtr<IContextMenu> handler = MakeHandler({"C:\\Music\\a.mp3"});
    ASSERT_TRUE(handler);
    const std::string record = burner.expectRecord();
    const VerbCase& c = GetParam();
    ASSERT_EQ(c.wideVerb ? InvokeWideVerb(handler.get(), c.verb, c.wideVerb) : InvokeVerb(handler.get(), c.verb), S_OK);
    const auto started = WaitForStubRecord(record);
    ASSERT_TRUE(started);
    ExpectStartedWith(*started, c.burnerSwitch, burner.folder(), "C:\\Music\\a.mp3\n");
}

INSTANTIATE_TEST_SUITE_P(
    Strings, Verbs,
    ::testing::Values(VerbCase{"Data", "lumavex.burndata", nullptr, "-data:"},
                      VerbCase{"AudioInCapitals", "LUMAVEX.BurnAudio", nullptr, "-audio:"},
                      VerbCase{"WideAudio", "lumavex.burnaudio", L"lumavex.burnaudio", "-audio:"},
                      VerbCase{"WideOffsetOne", MAKEINTRESOURCEA(1), MAKEINTRESOURCEW(1), "-audio:"}),
    [](const ::testing::TestParamInfo<VerbCase>& info) { return std::string(info.param.name); });

TEST(InvokeCommand, RefusesUnknownCommandsAndStartsNothing) {
    BurnerInstallation burner;
    ComPtr<IContextMenu> handler = MakeHandler({"C:\\Music\\a.mp3"});
    ASSERT_TRUE(handler);
    const std::string record = burner.expectRecord();
    EXPECT_EQ(InvokeOffset(handler.get(), 2), E_INVALIDARG);
    EXPECT_EQ(InvokeOffset(handler.get(), 0xFFFF), E_INVALIDARG);
    EXPECT_EQ(InvokeVerb(handler.get(), "open"), E_FAIL);
    EXPECT_EQ(InvokeVerb(handler.get(), "lumavex.burn"), E_FAIL);
    EXPECT_EQ(InvokeWideVerb(handler.get(), "lumavex.burndata", L"lumavex.burnvideo"), E_FAIL);
    EXPECT_EQ(handler->InvokeCommand(nullptr), E_INVALIDARG);
    EXPECT_THAT(burner.listFiles(), IsEmpty());
}

TEST(InvokeCommand, FailedStartIsReportedAndLeavesNoListFile) {
    BurnerInstallation burner(BurnerInstallation::Program::Absent);
    ComPtr<IContextMenu> handler = MakeHandler({"C:\\Music\\a.mp3"});
    ASSERT_TRUE(handler);
    EXPECT_EQ(InvokeOffset(handler.get(), 0), E_FAIL);
    EXPECT_THAT(burner.listFiles(), IsEmpty());
}

TEST(InvokeCommand, WithoutAFolderInTheRegistryNothingIsWritten) {
    BurnerInstallation burner;
    DeleteAppPathPro();
    ComPtr<IContextMenu> handler = MakeHandler({"C:\\Music\\a.mp3"});
    ASSERT_TRUE(handler);
    const auto tempListsBefore = ListFilesIn(UserTempFolder());
    EXPECT_EQ(InvokeOffset(handler.get(), 0), E_FAIL);
    EXPECT_EQ(ListFilesIn(UserTempFolder()), tempListsBefore);
    EXPECT_THAT(burner.listFiles(), IsEmpty());
}

// The burning application in a folder that takes no new files (a protected
// program folder). The test driver prepares it; run by hand, the case is skipped.
TEST(InvokeCommand, ProtectedFolderPutsTheListIntoTheUsersTemporaryFolder) {
    const char* protectedFolder = std::getenv("OMBRIX_PROTECTED_BURNER_FOLDER");
    if (protectedFolder == nullptr || *protectedFolder == '\0') {
        GTEST_SKIP() << "OMBRIX_PROTECTED_BURNER_FOLDER is not set";
    }
    BurnerInstallation records(BurnerInstallation::Program::Absent);
    SetAppPathPro(protectedFolder);
    ComPtr<IContextMenu> handler = MakeHandler({"C:\\Music\\a.mp3", "C:\\Music\\b.ogg"});
    ASSERT_TRUE(handler);
    const std::string record = records.expectRecord();
    ASSERT_EQ(InvokeOffset(handler.get(), 1), S_OK);
    const auto started = WaitForStubRecord(record);
    ASSERT_TRUE(started);
    ExpectStartedWith(*started, "-audio:", UserTempFolder(), "C:\\Music\\a.mp3\nC:\\Music\\b.ogg\n");
    DeleteFileA(ListFileOf(*started).c_str());
}

}  // namespace
}  // namespace ombrixtest
