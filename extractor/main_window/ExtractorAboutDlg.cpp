#include "main_window/ExtractorAboutDlg.h"

#include "localisation/WindowLangResDesign.h"
#include "resources/ProgramFont.h"

using namespace ui;

namespace {

constexpr int kLinkBlue = 0xFF0000;  // 0x00BBGGRR

}  // namespace

const FormDesign& AboutDlgDesign() {
    static const FormDesign design{
        .caption = "About",
        .clientSize = {367, 179},
        .borderStyle = TBorderStyle::bsDialog,
        .borderIcons = biSystemMenu,
        .position = TPosition::poOwnerFormCenter,
        .font = kProgramWindowFont,
        .components = {
            {.kind = Kind::Image, .name = "Image", .bounds = {8, 8, 129, 89}, .picture = "ABOUTPICTURE"},
            {.kind = Kind::Label, .name = "Label1", .caption = "Norvane Lumavex", .bounds = {144, 12, 216, 16},
             .options = opt::AlignCenter, .font = FontDesign{.name = kProgramWindowFont.name, .size = 10, .style = fsBold}},
            {.kind = Kind::Label, .name = "Label2",
             .caption = "This program is a part of Norvane Lumavex program package", .bounds = {144, 72, 216, 26},
             .options = opt::AlignCenter | opt::WordWrap},
            {.kind = Kind::Label, .name = "Label3", .caption = "Version 1.1", .bounds = {144, 52, 216, 13},
             .options = opt::AlignCenter},
            {.kind = Kind::Label, .name = "Label4", .caption = "backup restoration utility", .bounds = {144, 32, 216, 13},
             .options = opt::AlignCenter},
            {.kind = Kind::Label, .name = "Label5", .caption = "Newest version available at ",
             .bounds = {8, 116, 196, 13}, .options = opt::AlignRight},
            {.kind = Kind::Label, .name = "Label6", .caption = kProductSiteHost, .bounds = {204, 116, 156, 13},
             .options = opt::HandCursor,
             .font = FontDesign{.name = kProgramWindowFont.name, .style = fsBold | fsUnderline, .color = kLinkBlue}},
            {.kind = Kind::Button, .name = "OkBtn", .caption = "OK", .bounds = {146, 144, 75, 25},
             .options = opt::Default | opt::Cancel, .modalResult = mrOk},
            localisation::FormLangResDesign(),
        }};
    return design;
}

TExtrAboutDlg::TExtrAboutDlg(Application& app, Component* owner, const std::string& langFileName)
    : TForm(app, owner, "ExtrAboutDlg", "TExtrAboutDlg") {
    Build(AboutDlgDesign());
    Get<TLabel>("Label6").OnClick = [this] { Label6Click(); };
    const localisation::WindowLangRes langRes = LangRes();
    localisation::PrepareLangRes(localisation::kAboutDlgLangRes, langRes);
    localisation::ActivateLangRes(localisation::kAboutDlgLangRes, langRes, langFileName);
}

localisation::WindowLangRes TExtrAboutDlg::LangRes() const { return localisation::FindLangRes(*this); }

void TExtrAboutDlg::Label6Click() { App().OpenUrl(kProductSiteAddress); }
