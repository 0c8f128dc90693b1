// Self-registration called in-process, read back through the registry API in
// this process's own registry view (the 32-bit DLL's entries live in the 32-bit view).
#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "OmbrixTestSupport.h"
#include "TempDir.h"

namespace ombrixtest {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

const std::string kApprovalKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved";
const std::string kProgIdKey = "Ombrix.CoLumavexContextMenu";
const std::string kClassKey = std::string("CLSID\\") + kClsidString;
const std::string kServerKey = kClassKey + "\\InprocServer32";
const std::string kFileHandlerKey = "*\\shellex\\ContextMenuHandlers\\Lumavex";
const std::string kFolderHandlerKey = "Directory\\shellex\\ContextMenuHandlers\\Lumavex";

struct Entry {
    HKEY root;
    std::string key;
    const char* valueName;  // nullptr: the unnamed value
    std::string data;
};

std::vector<Entry> ExpectedEntries(const std::string& dllPath) {
    return {
        {HKEY_LOCAL_MACHINE, kApprovalKey, kClsidString, "Lumavex shell extension"},
        {HKEY_CLASSES_ROOT, kProgIdKey + "\\CLSID", nullptr, kClsidString},
        {HKEY_CLASSES_ROOT, kClassKey, nullptr, "Ombrix.CoLumavexContextMenu"},
        {HKEY_CLASSES_ROOT, kServerKey, nullptr, dllPath},
        {HKEY_CLASSES_ROOT, kServerKey, "ThreadingModel", "Apartment"},
        {HKEY_CLASSES_ROOT, kFileHandlerKey, nullptr, kClsidString},
        {HKEY_CLASSES_ROOT, kFolderHandlerKey, nullptr, kClsidString},
    };
}

std::string Describe(const Entry& entry) {
    return entry.key + " [" + (entry.valueName ? entry.valueName : "(unnamed)") + "]";
}

void ExpectAllEntries(const std::string& dllPath) {
    for (const Entry& entry : ExpectedEntries(dllPath)) {
        EXPECT_EQ(ReadString(entry.root, entry.key, entry.valueName), entry.data) << Describe(entry);
    }
    // Nothing beyond the table: the ProgID key holds only its CLSID subkey, and
    // each other key only its own values.
    EXPECT_THAT(ValueNames(HKEY_CLASSES_ROOT, kProgIdKey), IsEmpty());
    EXPECT_THAT(SubkeyNames(HKEY_CLASSES_ROOT, kProgIdKey), ElementsAre("CLSID"));
    EXPECT_THAT(ValueNames(HKEY_CLASSES_ROOT, kProgIdKey + "\\CLSID"), ElementsAre(""));
    EXPECT_THAT(ValueNames(HKEY_CLASSES_ROOT, kClassKey), ElementsAre(""));
    EXPECT_THAT(SubkeyNames(HKEY_CLASSES_ROOT, kClassKey), ElementsAre("InprocServer32"));
    EXPECT_THAT(ValueNames(HKEY_CLASSES_ROOT, kServerKey), ElementsAre("", "ThreadingModel"));
    EXPECT_THAT(ValueNames(HKEY_CLASSES_ROOT, kFileHandlerKey), ElementsAre(""));
    EXPECT_THAT(ValueNames(HKEY_CLASSES_ROOT, kFolderHandlerKey), ElementsAre(""));
}

void ExpectNoEntries() {
    for (const std::string& key : {kProgIdKey, kClassKey, kFileHandlerKey, kFolderHandlerKey}) {
        EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, key)) << key;
    }
    EXPECT_EQ(ReadString(HKEY_LOCAL_MACHINE, kApprovalKey, kClsidString), std::nullopt);
}

// Replaces HKEY_CLASSES_ROOT\key with an empty volatile key. The registry keeps
// no persistent key below a volatile one.
void MakeVolatile(HKEY root, const std::string& key) {
    RegDeleteTreeA(root, key.c_str());
    RegKey created;
    ASSERT_EQ(RegCreateKeyExA(root, key.c_str(), 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr,
                              created.out(), nullptr),
              ERROR_SUCCESS);
}

// Points a predefined root of this process at a key of the test's choosing
// while it lives.
class OverriddenRoot {
public:
    OverriddenRoot(HKEY root, HKEY replacement) : root_(root) {
        EXPECT_EQ(RegOverridePredefKey(root_, replacement), ERROR_SUCCESS);
    }
    ~OverriddenRoot() { RegOverridePredefKey(root_, nullptr); }

private:
    HKEY root_;
};

// A volatile scratch key below HKEY_CURRENT_USER, removed at the end.
class VolatileScratchKey {
public:
    VolatileScratchKey() {
        RegDeleteTreeA(HKEY_CURRENT_USER, kName);
        EXPECT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kName, 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr,
                                  key_.out(), nullptr),
                  ERROR_SUCCESS);
    }
    ~VolatileScratchKey() { RegDeleteTreeA(HKEY_CURRENT_USER, kName); }
    HKEY get() const { return key_.get(); }

private:
    static constexpr char kName[] = "Software\\OmbrixTestVolatileRoot";
    RegKey key_;
};

// Each test starts unregistered and leaves the DLL registered for the other tests.
class Registration : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(Ombrix().unregisterServer(), S_OK); }
    void TearDown() override { EXPECT_EQ(Ombrix().registerServer(), S_OK); }
};

TEST_F(Registration, WritesExactlyTheSevenEntriesAndAgainTheSame) {
    ExpectNoEntries();
    ASSERT_EQ(Ombrix().registerServer(), S_OK);
    ExpectAllEntries(LoadedOmbrixPath());

    ASSERT_EQ(Ombrix().registerServer(), S_OK);
    ExpectAllEntries(LoadedOmbrixPath());
}

TEST_F(Registration, RecordsTheDllsOwnPathEvenUnderAnotherName) {
    testsupport::TempDir dir;
    const std::string copy = dir.file("Burn helper.dll");
    ASSERT_TRUE(CopyFileA(OmbrixDllPath().c_str(), copy.c_str(), FALSE));
    OmbrixModule renamed = LoadOmbrix(copy);
    ASSERT_NE(renamed.module, nullptr);
    char loadedPath[MAX_PATH] = {};
    GetModuleFileNameA(renamed.module, loadedPath, sizeof loadedPath);

    EXPECT_EQ(renamed.registerServer(), S_OK);
    EXPECT_EQ(ReadString(HKEY_CLASSES_ROOT, kServerKey, nullptr), std::string(loadedPath));
    EXPECT_EQ(renamed.unregisterServer(), S_OK);
    FreeLibrary(renamed.module);
}

TEST_F(Registration, CreatesPersistentKeys) {
    ASSERT_EQ(Ombrix().registerServer(), S_OK);
    // A persistent child can be created only below a persistent key.
    for (const std::string& key : {kProgIdKey, kProgIdKey + "\\CLSID", kClassKey, kServerKey, kFileHandlerKey,
                                   kFolderHandlerKey}) {
        const std::string probe = key + "\\PersistenceProbe";
        RegKey created;
        EXPECT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, probe.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ,
                                  nullptr, created.out(), nullptr),
                  ERROR_SUCCESS)
            << key << " is volatile";
        RegDeleteKeyA(HKEY_CLASSES_ROOT, probe.c_str());
    }
}

TEST_F(Registration, CanCreateObjectsThroughTheRegistryOnlyWhenRegistered) {
    ComPtr<IUnknown> object;
    EXPECT_EQ(CoCreateInstance(kClsid, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, object.putVoid()),
              REGDB_E_CLASSNOTREG);
    ASSERT_EQ(Ombrix().registerServer(), S_OK);
    EXPECT_EQ(CoCreateInstance(kClsid, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, object.putVoid()), S_OK);
}

TEST_F(Registration, FailingStepIsReportedAndEndsRegistration) {
    // The class key exists but is volatile: entry 4 needs a persistent key below it.
    MakeVolatile(HKEY_CLASSES_ROOT, kClassKey);
    const HRESULT result = Ombrix().registerServer();
    EXPECT_EQ(result, HRESULT_FROM_WIN32(ERROR_CHILD_MUST_BE_VOLATILE));
    EXPECT_TRUE(FAILED(result)) << "a failed registration must not look like success to regsvr32";

    const auto entries = ExpectedEntries(LoadedOmbrixPath());
    for (std::size_t step = 0; step < 3; ++step) {
        EXPECT_EQ(ReadString(entries[step].root, entries[step].key, entries[step].valueName), entries[step].data)
            << "earlier entries stay: " << Describe(entries[step]);
    }
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, kServerKey));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, kFileHandlerKey)) << "later steps are not tried";
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, kFolderHandlerKey)) << "later steps are not tried";

    EXPECT_EQ(Ombrix().unregisterServer(), S_OK);
    ExpectNoEntries();
}

TEST_F(Registration, FailingFirstStepWritesNothing) {
    VolatileScratchKey machine;
    {
        OverriddenRoot overridden(HKEY_LOCAL_MACHINE, machine.get());
        EXPECT_EQ(Ombrix().registerServer(), HRESULT_FROM_WIN32(ERROR_CHILD_MUST_BE_VOLATILE));
    }
    ExpectNoEntries();
}

TEST_F(Registration, UnregistrationRemovesEverythingAndReportsAFailure) {
    ASSERT_EQ(Ombrix().registerServer(), S_OK);
    VolatileScratchKey machine;
    {
        // The approval list cannot be opened: the keys go all the same, the
        // failure is reported.
        OverriddenRoot overridden(HKEY_LOCAL_MACHINE, machine.get());
        EXPECT_EQ(Ombrix().unregisterServer(), HRESULT_FROM_WIN32(ERROR_CHILD_MUST_BE_VOLATILE));
    }
    for (const std::string& key : {kProgIdKey, kClassKey, kFileHandlerKey, kFolderHandlerKey}) {
        EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, key)) << key;
    }
    EXPECT_EQ(Ombrix().unregisterServer(), S_OK);
    ExpectNoEntries();
    EXPECT_EQ(Ombrix().unregisterServer(), S_OK) << "unregistering twice is no failure";
}

}  // namespace
}  // namespace ombrixtest
