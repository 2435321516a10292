#include "convert_flow.h"

#include <new>

#include <iob/convert_files.h>
#include <iob/show_message.h>
#include <iob/string_table.h>

#include "background_conversion.h"
#include "path_case.h"
#include "proposed_output_name.h"
#include "start_folder.h"

ConvertFlow::ConvertFlow(ConvertDialogView& view, const std::string& iobFileName)
    : view_(view), iobFileName_(iobFileName) {
    ProposeOutputName();
}

void ConvertFlow::FillFields() {
    view_.SetFieldText(NameField::kIob, iobFileName_);
    view_.SetFieldText(NameField::kOutput, outputFileName_);
}

void ConvertFlow::OnConvert() {
    if (converting_) return;
    ReadFields();
    if (!ConfirmReplace()) return;
    converting_ = true;
    const struct Finished {
        bool& converting;
        ~Finished() { converting = false; }
    } finished{converting_};
    ConvertInBackground(iobFileName_, outputFileName_, view_);
}

void ConvertFlow::OnBrowseIob() {
    if (converting_) return;
    ReadFields();
    BrowseForFile(NameField::kIob);
}

void ConvertFlow::OnBrowseOutput() {
    if (converting_) return;
    ReadFields();
    BrowseForFile(NameField::kOutput);
}

void ConvertFlow::OnOK() {
    if (converting_) return;
    ReadFields();
}

void ConvertFlow::BrowseForFile(NameField field) {
    const bool forIob = field == NameField::kIob;
    std::string& name = forIob ? iobFileName_ : outputFileName_;
    const FileDialogRequest request{iob::LoadString(forIob ? iob::kMsgIobBrowseTitle : iob::kMsgOutputBrowseTitle),
                                    iob::LoadString(forIob ? iob::kMsgIobFilter : iob::kMsgOutputFilter),
                                    BrowseStartFolder(name, forIob ? outputFileName_ : iobFileName_)};
    std::optional<std::string> chosen;
    try {
        chosen = view_.ChooseFile(request);
    } catch (const std::bad_alloc&) {
        iob::ShowOutOfMemory();
        return;
    }
    if (!chosen) return;
    name = ChosenPathCase(*chosen);
    if (forIob) ProposeOutputName();
    FillFields();
}

void ConvertFlow::ReadFields() {
    iobFileName_ = view_.FieldText(NameField::kIob);
    outputFileName_ = view_.FieldText(NameField::kOutput);
}

void ConvertFlow::ProposeOutputName() {
    const bool typed = !iob::TrimFileName(outputFileName_).empty() && outputFileName_ != proposedOutputName_;
    if (typed) return;
    proposedOutputName_ = ProposedOutputName(iobFileName_);
    outputFileName_ = proposedOutputName_;
}

bool ConvertFlow::ConfirmReplace() const {
    if (!iob::ReplacesExistingFile(iobFileName_, outputFileName_)) return true;
    return iob::AskReplace(iob::TrimFileName(outputFileName_));
}
