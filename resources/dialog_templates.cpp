#include "dialog_templates.h"

#include <iob/string_table.h>

namespace {

// The three texts stand between the icon and "OK"; the long middle line
// runs below "OK". IOB_VERSION is the project's version, from the build.
const ControlTemplate kAboutControls[] = {
    {ControlKind::kIcon, kIdNone, "", 11, 17, 20, 20},
    {ControlKind::kDefaultButton, kIdOk, "OK", 188, 7, 40, 14},
    {ControlKind::kText, kIdNone, "IobToQuorvane " IOB_VERSION, 40, 12, 140, 8},
    {ControlKind::kText, kIdNone, "Converts GeoLab IOB files into QUORVANE input files", 40, 24, 188, 8},
    {ControlKind::kText, kIdNone, "MIT License", 40, 36, 140, 8},
};

const ControlTemplate kProgressControls[] = {
    {ControlKind::kText, kIdProgressText, "", 7, 7, 246, 8},
    {ControlKind::kProgressBar, kIdProgressBar, "", 7, 20, 246, 10},
};

template <std::size_t N>
DialogTemplate MakeTemplate(const char* title, int width, int height, const ControlTemplate (&controls)[N]) {
    return DialogTemplate{title, width, height, controls, N};
}

}  // namespace

const char* ControlAccessibleName(int id) {
    switch (id) {
    case kIdBrowseIob:
        return iob::LoadString(iob::kMsgIobBrowseButtonName);
    case kIdBrowseOutput:
        return iob::LoadString(iob::kMsgOutputBrowseButtonName);
    case kIdProgressBar:
        return iob::LoadString(iob::kMsgProgressBarName);
    default:
        return nullptr;
    }
}

const DialogTemplate& AboutDialogTemplate() {
    static const DialogTemplate about = MakeTemplate("About IOB To Quorvane", 235, 55, kAboutControls);
    return about;
}

const DialogTemplate& ConvertDialogTemplate() {
    // Texts 15 and 16 stand between text 5 and text 6 but were added last, so
    // they come last in creation order. The check box follows the output
    // field's "Browse..." in the tab order, before "&Convert Data". Its text
    // is the string table's, so the controls are made on first use.
    static const ControlTemplate controls[] = {
        {ControlKind::kText, kIdNone,
         "This utility allows you to extract data from a GeoLab 'IOB' file and write them into a "
         "QUORVANE compatible input file.",
         7, 7, 386, 8},
        {ControlKind::kText, kIdNone,
         "Supply the 'IOB' file name and the name of an output file. Invoke the Convert Data button "
         "to extract the relevant data.",
         7, 17, 386, 8},
        {ControlKind::kText, kIdNone,
         "After creating the QUORVANE compatible file, load the file into QUORVANE and enter the "
         "Edit - Stations - Geodetic dialog",
         7, 32, 386, 8},
        {ControlKind::kText, kIdNone, "to modify (as needed) the coordinates of your fixed stations. ", 7, 42, 386, 8},
        {ControlKind::kText, kIdNone,
         "'IOB' File records currently supported include: TITL, ELIP, LUNT, PLH, PLO, DXYZ, COV, WGT, GENC, CORR, "
         "ELEM, END",
         7, 57, 386, 8},
        {ControlKind::kText, kIdNone, "Enter the name of the 'IOB' File:", 7, 110, 100, 8},
        {ControlKind::kEdit, kIdIobName, "", 7, 120, 336, 14},
        {ControlKind::kButton, kIdBrowseIob, "Browse...", 353, 120, 40, 14},
        {ControlKind::kText, kIdNone,
         "Enter the name of the QUORVANE ASCII (Text) file to create from data in the 'IOB' file:", 7, 140, 342, 8},
        {ControlKind::kEdit, kIdOutputName, "", 7, 150, 336, 14},
        {ControlKind::kButton, kIdBrowseOutput, "Browse...", 353, 150, 40, 14},
        {ControlKind::kCheckBox, kIdSingleLineSyntax, iob::LoadString(iob::kMsgSingleLineSyntax), 7, 170, 336, 10},
        {ControlKind::kButton, kIdConvert, "&Convert Data", 7, 185, 60, 14},
        {ControlKind::kButton, kIdCancel, "Close", 353, 185, 40, 14},
        {ControlKind::kText, kIdNone,
         "This program will be continually updated with support for additional 'IOB' record types. "
         "If you have an immediate need for",
         7, 72, 386, 8},
        {ControlKind::kText, kIdNone,
         "'IOB' record types not described above, please contact us at support@example.org.", 7, 82, 260, 8},
    };
    static const DialogTemplate convert =
        MakeTemplate("Convert GeoLab IOB File To a Quorvane Input File", 400, 207, controls);
    return convert;
}

const DialogTemplate& ProgressDialogTemplate() {
    static const DialogTemplate progress =
        MakeTemplate(iob::LoadString(iob::kMsgProgressTitle), 260, 37, kProgressControls);
    return progress;
}
