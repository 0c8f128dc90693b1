// Language files are user data: any bytes must leave the translators and the
// message lookup in one piece. Each input becomes the language file of a small
// window whose translators then run a pass.
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>

#include "localisation/Langroutines.h"
#include "localisation/MessageLists.h"
#include "localisation/SMLFormLangRes.h"
#include "localisation/SMLMsgLangRes.h"
#include "platform/IniFile.h"
#include "platform/ProgramPath.h"

namespace {

class Control : public ui::Component {
public:
    Control(ui::Component* owner, std::string name, std::string_view kind) : ui::Component(owner, std::move(name), {kind}) {
        PublishString("Caption", [this] { return caption; }, [this](const std::string& v) { caption = v; });
        PublishString("Hint", [this] { return hint; }, [this](const std::string& v) { hint = v; });
        PublishStrings("Lines", &lines);
        PublishFont("Font", &font);
    }
    std::string caption = "Caption", hint;
    ui::TStrings lines{"one", "two"};
    ui::TFont font;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    (void)platform::ParseIniInteger(bytes);

    static const std::string name = "fuzz-" + std::to_string(reinterpret_cast<std::uintptr_t>(&name)) + ".lng";
    std::ofstream(platform::ProgramFolder() + name, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));

    auto form = std::make_unique<Control>(nullptr, "Form", "TForm");
    new Control(form.get(), "Btn", "TButton");
    auto* translator = new localisation::TsmlFormLangRes(form.get());
    auto* messages = new localisation::TsmlMsgLangRes(form.get());
    for (localisation::TsmlLangRes* c : {static_cast<localisation::TsmlLangRes*>(translator),
                                         static_cast<localisation::TsmlLangRes*>(messages)}) {
        c->SetAutoCreateMode(false);
        c->SetAddBracket(true);
        c->SetLangFileName(name);
    }
    translator->SetStringProperties({"Caption", "Hint"});
    translator->SetStringsProperties({"Lines"});
    messages->MsgList().Assign({"Str0=Error", "Str1=%s is not a file.", "Str2= -- FAILED!"});
    translator->SetActive(true);
    messages->SetActive(true);
    for (int n = 0; n < 3; ++n) (void)localisation::FillPath(localisation::GetLangMessage(messages, n), "C:\\%s\\n");
    return 0;
}
