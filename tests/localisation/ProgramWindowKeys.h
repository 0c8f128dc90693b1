// The keys that the translators of the program's four windows read, in reading
// order (form translator, then menu translator; message keys are "Str" + N).
// Shared by the tests of stand-in windows here and of the real windows.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace loctest {

inline const std::vector<std::string> kMainFormFormKeys{
    "ExtrMainForm_FontName", "ExtrMainForm_FontSize", "ExtrMainForm_FontCharset", "ExtrMainForm_Caption",
    "ExtrMainForm_Hint", "RestorationOptionsGbox_Caption", "RestorationOptionsGbox_Hint", "CommonFolderRbtn_Caption",
    "CommonFolderRbtn_Hint", "SeparateFoldersRbtn_Caption", "SeparateFoldersRbtn_Hint", "ClearFoldersChkbx_Caption",
    "ClearFoldersChkbx_Hint", "ListView_ColumnCaption[0]", "ListView_ColumnCaption[1]", "OpenDialog_Title",
    "SetFolderForSelectedItemsActn_Caption", "SetFolderForSelectedItemsActn_Hint", "RestoreActn_Caption",
    "RestoreActn_Hint", "CancelActn_Caption", "CancelActn_Hint", "CloseActn_Caption", "CloseActn_Hint",
    "OpenActn_Caption", "OpenActn_Hint",
};

inline const std::vector<std::string> kMainFormMenuKeys{
    "File_Caption", "Open_Caption", "Exit_Caption", "Help_Caption", "About_Caption",
};

inline const std::vector<std::string> kArchiveSelectionFormKeys{
    "ExtrArchiveSelectionForm_FontName", "ExtrArchiveSelectionForm_FontSize", "ExtrArchiveSelectionForm_FontCharset",
    "ExtrArchiveSelectionForm_Caption", "ExtrArchiveSelectionForm_Hint", "asfExplanation2Lbl_Caption",
    "asfExplanation2Lbl_Hint", "CancelBtn_Caption", "CancelBtn_Hint", "OKActn_Caption", "OKActn_Hint",
};

inline const std::vector<std::string> kArchiveVariantSelectionFormKeys{
    "ExtrArchiveVariantSelectionForm_FontName", "ExtrArchiveVariantSelectionForm_FontSize",
    "ExtrArchiveVariantSelectionForm_FontCharset", "ExtrArchiveVariantSelectionForm_Caption",
    "ExtrArchiveVariantSelectionForm_Hint", "CancelBtn_Caption", "CancelBtn_Hint", "avsfInvitationLbl_Caption",
    "avsfInvitationLbl_Hint", "avsfExplanationLbl_Caption", "avsfExplanationLbl_Hint", "avListView_ColumnCaption[0]",
    "avListView_ColumnCaption[1]", "OKActn_Caption", "OKActn_Hint",
};

inline const std::vector<std::string> kAboutDlgKeys{
    "ExtrAboutDlg_FontName", "ExtrAboutDlg_FontSize", "ExtrAboutDlg_FontCharset", "ExtrAboutDlg_Caption",
    "ExtrAboutDlg_Hint", "Label2_Caption", "Label2_Hint", "Label3_Caption", "Label3_Hint", "Label4_Caption",
    "Label4_Hint", "Label5_Caption", "Label5_Hint",
};

// "Str0" to "Str<count-1>".
inline std::vector<std::string> MessageKeys(int count) {
    std::vector<std::string> keys;
    for (int i = 0; i < count; ++i) keys.push_back("Str" + std::to_string(i));
    return keys;
}

inline std::vector<std::string> Concat(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

}  // namespace loctest
