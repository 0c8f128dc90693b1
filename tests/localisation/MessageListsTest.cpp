#include "localisation/MessageLists.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace localisation;

TEST(MessageLists, HoldTheBuiltInTextsAsStored) {
    ASSERT_EQ(MainWindowMessages().size(), 34u);
    ASSERT_EQ(IndexSelectionMessages().size(), 7u);
    EXPECT_EQ(BuiltInMessage(MainWindowMessages(), kMsgWrongOrCorruptedFile), "%s is either wrong or corruted file.");
    EXPECT_EQ(BuiltInMessage(MainWindowMessages(), kMsgCanceledByUser), "Operation canceled by user.");
    EXPECT_EQ(BuiltInMessage(MainWindowMessages(), kMsgFailedSuffix), " -- FAILED!");
    EXPECT_EQ(BuiltInMessage(MainWindowMessages(), kMsgAllFilesFilter), "All files");
    // The stored text keeps backslash and n as two characters.
    EXPECT_NE(BuiltInMessage(MainWindowMessages(), kMsgWrongFieldLength).find("record.\\nThis file"), std::string_view::npos);
    EXPECT_EQ(BuiltInMessage(IndexSelectionMessages(), kSelArchiveNameLabel), "  Archive name: ");
    EXPECT_EQ(BuiltInMessage(IndexSelectionMessages(), kSelLastUpdateLabel), "  Last update: ");
    EXPECT_EQ(BuiltInMessage(IndexSelectionMessages(), kSelUnknown), "Unknown");
}

TEST(MessageLists, NumbersOutsideAListGiveEmptyTexts) {
    EXPECT_EQ(BuiltInMessage(MainWindowMessages(), 34), "");
    EXPECT_EQ(BuiltInMessage(MainWindowMessages(), 99), "");
    EXPECT_EQ(BuiltInMessage(MainWindowMessages(), -1), "");
    EXPECT_EQ(BuiltInMessage(IndexSelectionMessages(), 7), "");
}

struct OpenErrorCase {
    std::int32_t code;
    const char* caption;
    const char* text;  // with the path "C:\new\tmp\x.lxi"
    MessageIcon icon;
    MessageOwner owner;
};

// The full message of every code, as a message box would show it, for a path
// that holds "\n" and "\t": neither may turn into a control character.
TEST(MessageLists, EveryOpenErrorCodeHasItsMessageBox) {
    const std::string path = "C:\\new\\tmp\\x.lxi";
    using enum MessageIcon;
    const OpenErrorCase cases[] = {
        {-1, "Error", "File not open for reading", Warning, MessageOwner::Window},
        {-2, "Read error", "Error reading C:\\new\\tmp\\x.lxi. File is possibly broken.", Warning, MessageOwner::Window},
        {-3, "Wrong file format", "C:\\new\\tmp\\x.lxi is either wrong or corruted file.", Warning, MessageOwner::None},
        {-4, "Wrong data length",
         "C:\\new\\tmp\\x.lxi contains wrong field length record.\nThis file is either broken or it is not "
         "Lumavex backup index file. It cannot be imported.",
         Warning, MessageOwner::None},
        {-5, "Error importing file", "Cannot open file C:\\new\\tmp\\x.lxi for reading.", Warning, MessageOwner::None},
        {-6, "Wrong file format", "C:\\new\\tmp\\x.lxi is not a Lumavex backup index file.", Information,
         MessageOwner::None},
        {-7, "Wrong file version",
         "It is a file from a newer version of Lumavex. Cannot read it with this version.", Information,
         MessageOwner::None},
        {-101, "Error", "Archive index file does not exist.", Warning, MessageOwner::Window},
        {-102, "No data to restore", "No appropriate archive files or folders found for C:\\new\\tmp\\x.lxi.", Warning,
         MessageOwner::Window},
        {-103, "No data to restore",
         "There are no files or folders in the archive container denoted in C:\\new\\tmp\\x.lxi.", Warning,
         MessageOwner::Window},
        {-104, "Error", "Cannot create unzipper instance.", Warning, MessageOwner::Window},
    };
    EXPECT_EQ(OpenErrorMessages().size(), std::size(cases));
    for (const auto& c : cases) {
        const OpenErrorMessage* entry = FindOpenErrorMessage(c.code);
        ASSERT_NE(entry, nullptr) << c.code;
        EXPECT_EQ(PrepareMessage(BuiltInMessage(MainWindowMessages(), entry->caption), path), c.caption) << c.code;
        EXPECT_EQ(PrepareMessage(BuiltInMessage(MainWindowMessages(), entry->text), path), c.text) << c.code;
        EXPECT_EQ(entry->icon, c.icon) << c.code;
        EXPECT_EQ(entry->owner, c.owner) << c.code;
    }
}

TEST(MessageLists, CodesWithoutAnEntryShowNothing) {
    for (std::int32_t code : {0, 1, -8, -100, -105, -2147483647 - 1}) EXPECT_EQ(FindOpenErrorMessage(code), nullptr) << code;
}

TEST(MessageLists, LineBreaksExpandLikeTheLookup) {
    EXPECT_EQ(ExpandLineBreaks("one\\ntwo"), "one\ntwo");
    EXPECT_EQ(ExpandLineBreaks("\\n\\n"), "\n\n");
    EXPECT_EQ(ExpandLineBreaks("one\\\\ntwo"), "one\\\ntwo");  // a doubled backslash leaves one
    EXPECT_EQ(ExpandLineBreaks("ends with \\"), "ends with \\");
    EXPECT_EQ(ExpandLineBreaks("\\N and \\t stay"), "\\N and \\t stay");
}

TEST(MessageLists, ThePathIsFilledInByPlainSubstitution) {
    EXPECT_EQ(FillPath("%s and %s", "p"), "p and p");
    EXPECT_EQ(FillPath("100% of %d %x %", "p"), "100% of %d %x %");
    EXPECT_EQ(FillPath("open %s", "a%sb%d"), "open a%sb%d");  // the path is not scanned again
    EXPECT_EQ(FillPath("no path", "p"), "no path");
    EXPECT_EQ(PrepareMessage("%s\\nx", "C:\\new"), "C:\\new\nx");
}

}  // namespace
