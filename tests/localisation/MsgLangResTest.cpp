// The base component's rules (owner, language file, brackets, read-or-write)
// and the message list with GetLangMessage.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "FakeComponents.h"
#include "LanguageFile.h"
#include "localisation/Langroutines.h"
#include "localisation/MessageLists.h"
#include "localisation/SMLMsgLangRes.h"
#include "platform/IniFile.h"
#include "platform/ProgramPath.h"

namespace {

using localisation::GetLangMessage;
using localisation::OwnerKind;
using localisation::TsmlLangRes;
using localisation::TsmlMsgLangRes;
using loctest::LanguageFile;
using testing::ElementsAre;

std::string ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "(no error)";
}

// A window with a message list holding the given lines, configured as the
// program's windows store it, then pointed at the language file.
struct Window {
    explicit Window(const std::string& langFileName, std::vector<std::string> lines = {},
                    std::string_view className = "TExtrMainForm")
        : form(loctest::MakeForm(className, "TestForm")), messages(new TsmlMsgLangRes(form.get())) {
        messages->SetIgnoreEmptyString(true);
        messages->SetAutoCreateMode(false);
        messages->SetAddBracket(true);
        messages->MsgList().Assign(lines);
        messages->SetLangFileName(langFileName);
    }
    std::unique_ptr<ui::Component> form;
    TsmlMsgLangRes* messages;  // owned by the form
};

TEST(LangRes, AcceptsFormsDataModulesAndFramesOnly) {
    std::unique_ptr<ui::Component> form(loctest::MakeForm("TSomeForm", "SomeForm"));
    std::unique_ptr<ui::Component> module(loctest::MakeDataModule("Module"));
    auto* frame = loctest::MakeFrame(form.get(), "Frame");
    EXPECT_EQ((new TsmlMsgLangRes(form.get()))->GetOwnerKind(), OwnerKind::Form);
    EXPECT_EQ((new TsmlMsgLangRes(module.get()))->GetOwnerKind(), OwnerKind::DataModule);
    EXPECT_EQ((new TsmlMsgLangRes(frame))->GetOwnerKind(), OwnerKind::Frame);

    auto* panel = loctest::MakeGroupBox(form.get(), "Panel");
    EXPECT_EQ(ErrorOf([&] { TsmlMsgLangRes rejected(panel); }), "Owner must be a Form or a DataModule!");
    EXPECT_EQ(panel->ComponentCount(), 0);  // the rejected component never joined
    EXPECT_EQ(ErrorOf([] { TsmlMsgLangRes rejected(nullptr); }), "Owner must be a Form or a DataModule!");
}

TEST(LangRes, DefaultsAndLanguageFileName) {
    std::unique_ptr<ui::Component> form(loctest::MakeForm("TSomeForm", "SomeForm"));
    TsmlMsgLangRes* res = new TsmlMsgLangRes(form.get());
    EXPECT_FALSE(res->Active());
    EXPECT_EQ(res->LangFileName(), "DefLang.ini");
    EXPECT_EQ(res->LanguageFile(), "DefLang.ini");  // bare: left to the INI layer's own rule
    EXPECT_FALSE(res->IgnoreEmptyString());
    EXPECT_TRUE(res->AutoCreateMode());
    EXPECT_FALSE(res->AddBracket());
    EXPECT_EQ(res->SectionName(), "TSomeForm");

    res->SetLangFileName("Extractor.lng");
    EXPECT_EQ(res->LanguageFile(), platform::ProgramFolder() + "Extractor.lng");
    EXPECT_EQ(res->LangFileName(), "Extractor.lng");
}

TEST(LangRes, BracketsComeOffWhatIsReadAndGoOnWhatIsWritten) {
    const struct {
        const char* text;
        const char* processed;
    } cases[] = {
        {"<a>", "a"},       {"<>", ""},       {"<  two blanks >", "  two blanks "}, {"<<a>>", "<a>"},
        {"<no end", "<no end"}, {"no start>", "no start>"}, {"<", "<"}, {">", ">"}, {"", ""}, {"plain", "plain"},
    };
    for (const auto& c : cases) EXPECT_EQ(TsmlLangRes::ProcessedStr(c.text), c.processed) << c.text;

    std::unique_ptr<ui::Component> form(loctest::MakeForm("TSomeForm", "SomeForm"));
    TsmlMsgLangRes* res = new TsmlMsgLangRes(form.get());
    EXPECT_EQ(res->UnProcessedStr(" x "), " x ");
    res->SetAddBracket(true);
    EXPECT_EQ(res->UnProcessedStr(" x "), "< x >");
    EXPECT_EQ(res->UnProcessedStr(""), "<>");
}

// The read-or-write rule: what comes back and what the file holds afterwards.
TEST(LangRes, ReadOrWriteRule) {
    const struct {
        const char* fileValue;  // nullptr: no such key
        bool autoCreate;
        bool ignoreEmpty;
        const char* builtIn;
        const char* result;
        const char* written;  // the key's raw value afterwards; nullptr: still no such key
    } cases[] = {
        {"Fichier", true, false, "File", "Fichier", "Fichier"},
        {"<  Nom: >", true, false, "Name", "  Nom: ", "<  Nom: >"},
        {"<>", true, false, "File", "", "<>"},  // an empty translation is not missing: nothing written
        {nullptr, false, false, "File", "", nullptr},
        {nullptr, true, false, "File", "", "<File>"},
        {"", true, false, "File", "", "<File>"},
        {nullptr, true, true, "File", "", "<File>"},
        {nullptr, true, true, "", "", nullptr},
        {nullptr, true, false, "", "", "<>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("value ") + (c.fileValue ? c.fileValue : "(none)") + " builtIn " + c.builtIn);
        LanguageFile file(c.fileValue ? std::string("[TSomeForm]\nKey=") + c.fileValue + "\n" : "[TSomeForm]\n");
        std::unique_ptr<ui::Component> form(loctest::MakeForm("TSomeForm", "SomeForm"));
        TsmlMsgLangRes* res = new TsmlMsgLangRes(form.get());
        res->SetLangFileName(file.name());
        res->SetAutoCreateMode(c.autoCreate);
        res->SetIgnoreEmptyString(c.ignoreEmpty);
        res->SetAddBracket(true);
        EXPECT_EQ(res->RegisterKeyValueToFile("Key", c.builtIn), c.result);
        const auto keys = loctest::KeysOfSection(file.read(), "TSomeForm");
        if (c.written) {
            ASSERT_THAT(keys, ElementsAre("Key"));
            EXPECT_EQ(loctest::RawValue(file.read(), "TSomeForm", "Key"), c.written);
        } else {
            EXPECT_TRUE(keys.empty());
        }
    }
}

TEST(LangRes, WriteFailureEndsThePassWithTheFilesPath) {
    std::unique_ptr<ui::Component> form(loctest::MakeForm("TSomeForm", "SomeForm"));
    TsmlMsgLangRes* res = new TsmlMsgLangRes(form.get());
    res->MsgList().Assign({"Str0=Error", "Str1=Other"});
    res->SetLangFileName("no-such-folder-for-loctest/x.lng");
    EXPECT_EQ(ErrorOf([&] { res->SetActive(true); }), "Unable to write to " + res->LanguageFile());

    // The failed pass left the component usable: without auto-create, changes start passes again.
    LanguageFile file("[TSomeForm]\nStr2=Zwei\n");
    res->SetAutoCreateMode(false);
    res->SetLangFileName(file.name());
    res->MsgList().Add("Str2=Two");
    EXPECT_EQ(res->GetResString("Str2"), "Zwei");
}

TEST(LangRes, UnRegisterErasesOneSectionAndSwallowsFailures) {
    LanguageFile file("[TSomeForm]\nStr0=A\n[TOther]\nStr0=B\n");
    std::unique_ptr<ui::Component> form(loctest::MakeForm("TSomeForm", "SomeForm"));
    TsmlMsgLangRes* res = new TsmlMsgLangRes(form.get());
    res->SetLangFileName(file.name());
    res->UnRegister("tsomeform");
    EXPECT_TRUE(loctest::KeysOfSection(file.read(), "TSomeForm").empty());
    EXPECT_THAT(loctest::KeysOfSection(file.read(), "TOther"), ElementsAre("Str0"));

    res->SetLangFileName("no-such-folder-for-loctest/x.lng");
    EXPECT_NO_THROW(res->UnRegister("TSomeForm"));
}

TEST(MsgLangRes, ActivationTranslatesFromTheOwnersSectionOnly) {
    LanguageFile file(
        "[TExtrMainForm]\n"
        "Str0=Fehler\n"
        "Str5=<>\n"
        "Str27=\n"
        "str28=  case and blanks  \n"
        "[TExtrArchiveSelectionForm]\n"
        "Str1=not for the main window\n");
    Window w(file.name(), {"Str0=Error", "Str1=File not open for reading", "Str5=Wrong file format",
                           "Str27=Operation canceled by user.", "Str28=Operation completed successfully."});
    EXPECT_EQ(w.messages->GetResString("Str0"), "Error");  // not active yet
    w.messages->SetActive(true);
    EXPECT_THAT(w.messages->MsgList().Lines(),
                ElementsAre("Str0=Fehler", "Str1=File not open for reading", "Str5=Wrong file format",
                            "Str27=Operation canceled by user.", "Str28=case and blanks"));
}

TEST(MsgLangRes, NoLanguageFileKeepsTheBuiltInTexts) {
    LanguageFile absent;  // never written
    Window w(absent.name(), {"Str27=Operation canceled by user.", "Str31= -- FAILED!"});
    w.messages->SetActive(true);
    EXPECT_EQ(GetLangMessage(w.messages, 27), "Operation canceled by user.");
    EXPECT_EQ(GetLangMessage(w.messages, 31), " -- FAILED!");
    EXPECT_FALSE(absent.exists());  // the program's configuration never writes
}

TEST(MsgLangRes, BracketsKeepBlanksThatTrimmingWouldLose) {
    LanguageFile file("[TExtrArchiveSelectionForm]\nStr0=<  Nom de l'archive : >\nStr6=  Mise a jour :  \nStr5=<Inconnu\n");
    Window w(file.name(), {"Str0=  Archive name: ", "Str5=Unknown", "Str6=  Last update: "}, "TExtrArchiveSelectionForm");
    w.messages->SetActive(true);
    EXPECT_EQ(GetLangMessage(w.messages, 0), "  Nom de l'archive : ");
    EXPECT_EQ(GetLangMessage(w.messages, 5), "<Inconnu");
    EXPECT_EQ(GetLangMessage(w.messages, 6), "Mise a jour :");
}

TEST(MsgLangRes, ChangesStartPassesOnlyWhileActive) {
    LanguageFile file("[TExtrMainForm]\nStr0=Fehler\nStr1=Eins\n");
    Window w(file.name(), {"Str0=Error"});
    w.messages->MsgList().Add("Str1=One");  // inactive: no pass
    EXPECT_EQ(w.messages->GetResString("Str1"), "One");
    w.messages->SetActive(true);
    EXPECT_EQ(w.messages->GetResString("Str0"), "Fehler");

    file.write("[TExtrMainForm]\nStr0=Fehler\nStr2=Zwei\nStr3=Drei\n");
    w.messages->MsgList().Add("Str2=Two");  // a list change while active
    EXPECT_EQ(w.messages->GetResString("Str2"), "Zwei");
    ui::TStrings copied{"Str3=Three", "Str1=One"};
    w.messages->SetMsgList(copied);  // assignment copies the lines, then passes
    EXPECT_THAT(w.messages->MsgList().Lines(), ElementsAre("Str3=Drei", "Str1=One"));
    EXPECT_THAT(copied.Lines(), ElementsAre("Str3=Three", "Str1=One"));

    // AddBracket starts no pass; the other settings do.
    file.write("[TExtrMainForm]\nStr1=Uno\n");
    w.messages->SetAddBracket(false);
    EXPECT_EQ(w.messages->GetResString("Str1"), "One");
    w.messages->SetIgnoreEmptyString(false);
    EXPECT_EQ(w.messages->GetResString("Str1"), "Uno");
    file.write("[TExtrMainForm]\nStr1=Un\n");
    w.messages->SetLangFileName(file.name());
    EXPECT_EQ(w.messages->GetResString("Str1"), "Un");
}

TEST(MsgLangRes, ReactivationRunsAgainAndNeverRestoresTheBuiltInTexts) {
    LanguageFile file("[TExtrMainForm]\nStr0=Fehler\n");
    Window w(file.name(), {"Str0=Error", "Str1=Other"});
    w.messages->SetActive(true);
    file.write("[TExtrMainForm]\nStr1=Andere\n");  // Str0 removed
    w.messages->SetActive(false);
    EXPECT_EQ(w.messages->GetResString("Str1"), "Other");  // deactivating undoes and redoes nothing
    w.messages->SetActive(true);
    EXPECT_THAT(w.messages->MsgList().Lines(), ElementsAre("Str0=Fehler", "Str1=Andere"));
}

// Auto-create writes what a translator would read back unchanged, blanks included.
TEST(MsgLangRes, AutoCreatedFileRoundTrips) {
    LanguageFile file;
    const std::vector<std::string> lines{"Str0=  Archive name: ", "Str1=Plain", "Str2=", "Str3=a=b"};
    {
        Window writer(file.name(), lines);
        writer.messages->SetAutoCreateMode(true);
        writer.messages->SetActive(true);
    }
    EXPECT_THAT(loctest::KeysOfSection(file.read(), "TExtrMainForm"), ElementsAre("Str0", "Str1", "Str3"));
    Window reader(file.name(), {"Str0=x", "Str1=x", "Str2=x", "Str3=x"});
    reader.messages->SetActive(true);
    EXPECT_THAT(reader.messages->MsgList().Lines(), ElementsAre("Str0=  Archive name: ", "Str1=Plain", "Str2=x", "Str3=a=b"));
}

TEST(MsgLangRes, GetResStringByNameAndIndex) {
    std::unique_ptr<ui::Component> form(loctest::MakeForm("TSomeForm", "SomeForm"));
    TsmlMsgLangRes* res = new TsmlMsgLangRes(form.get());
    res->MsgList().Assign({"no equals sign", "Str1=first", "STR1=second", "Str2=a=b", "Str3="});
    EXPECT_EQ(res->GetResString("str1"), "first");
    EXPECT_EQ(res->GetResString("Str2"), "a=b");
    EXPECT_EQ(res->GetResString("Str3"), "");
    EXPECT_EQ(res->GetResString("no equals sign"), "");
    EXPECT_EQ(res->GetResString("Str9"), "");
    EXPECT_EQ(res->GetResString(0), "");
    EXPECT_EQ(res->GetResString(2), "second");
    EXPECT_EQ(res->GetResString(-1), "");
    EXPECT_EQ(res->GetResString(5), "");
}

TEST(GetLangMessage, NeedsAComponentAndGivesEmptyForUnknownNumbers) {
    EXPECT_EQ(ErrorOf([] { GetLangMessage(nullptr, 0); }), "Strings resource not found");
    LanguageFile absent;
    Window w(absent.name(), {"Str0=Error"});
    w.messages->SetActive(true);
    EXPECT_EQ(GetLangMessage(w.messages, 0), "Error");
    EXPECT_EQ(GetLangMessage(w.messages, 99), "");
    EXPECT_EQ(GetLangMessage(w.messages, -1), "");
}

TEST(GetLangMessage, BackslashNBecomesALineFeed) {
    const struct {
        const char* stored;
        const char* shown;
    } cases[] = {
        {R"(one\ntwo)", "one\ntwo"},
        {R"(one\\ntwo)", "one\\\ntwo"},  // doubled backslash: one stays at the end of the first line
        {R"(\n\n)", "\n\n"},
        {R"(\nstart and end\n)", "\nstart and end\n"},
        {R"(trailing\)", "trailing\\"},
        {R"(\N and \t stay)", "\\N and \\t stay"},
        {R"(n\)", "n\\"},
    };
    for (const auto& c : cases) {
        LanguageFile file(std::string("[TExtrMainForm]\nStr6=") + c.stored + "\n");
        Window w(file.name(), {"Str6=built in"});
        w.messages->SetActive(true);
        EXPECT_EQ(GetLangMessage(w.messages, 6), c.shown) << c.stored;
    }
}

// A translation is data, never a format: every "%" sequence comes back as it stands.
TEST(GetLangMessage, PercentSequencesInTranslationsStayAsTheyAre) {
    const std::string hostile = "%s %d %n %% %x %p %08.3f %*s %1$s %ls %";
    LanguageFile file("[TExtrMainForm]\nStr2=" + hostile + "\n");
    Window w(file.name(), {"Str2=Error reading %s. File is possibly broken."});
    w.messages->SetActive(true);
    EXPECT_EQ(GetLangMessage(w.messages, 2), hostile);
}

// What a caller shows: the looked-up text with "%s" filled by plain substitution.
TEST(GetLangMessage, FilledMessagesReplaceOnlyPercentS) {
    LanguageFile file("[TExtrMainForm]\nStr8=<%d files: %s\\n%n%% done %s>\n");
    Window w(file.name(), {"Str8=Cannot open file %s for reading."});
    w.messages->SetActive(true);
    const std::string path = "C:\\100%s %d\\n.lxi";
    EXPECT_EQ(localisation::FillPath(GetLangMessage(w.messages, 8), path),
              "%d files: " + path + "\n%n%% done " + path);

    LanguageFile none;
    Window untranslated(none.name(), {"Str8=Cannot open file %s for reading."});
    untranslated.messages->SetActive(true);
    EXPECT_EQ(localisation::FillPath(GetLangMessage(untranslated.messages, 8), "a.lxi"),
              "Cannot open file a.lxi for reading.");
}

}  // namespace
