#include "ui/Dialogs.h"

#include "ui/Application.h"
#include "ui/Form.h"

#include <stdexcept>

namespace ui {

TOpenDialog::TOpenDialog(Component* owner, std::string name)
    : Component(owner, std::move(name), {"TOpenDialog", "TCommonDialog"}) {
    PublishString("Title", [this] { return title_; }, [this](const std::string& v) { title_ = v; });
}

bool TOpenDialog::Execute() {
    auto* form = dynamic_cast<TForm*>(Owner());
    if (!form) throw std::logic_error("TOpenDialog::Execute: the dialog has no form");
    OpenDialogRequest request;
    request.owner = form;
    request.title = title_;
    request.filter = filter_;
    request.filterIndex = filterIndex_;
    request.defaultExt = defaultExt_;
    request.initialDir = initialDir_;
    request.fileName = fileName_;
    request.options = options_;
    auto chosen = form->App().GetBackend().ExecuteOpenDialog(request);
    if (!chosen) return false;
    fileName_ = std::move(*chosen);
    return true;
}

}  // namespace ui
