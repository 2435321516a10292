#include "convert_flow.h"

#include <new>
#include <utility>

#include <iob/convert_files.h>
#include <iob/show_message.h>
#include <iob/string_table.h>

#include "background_conversion.h"
#include "conversion_summary.h"
#include "path_case.h"
#include "proposed_output_name.h"
#include "start_folder.h"
#include "syntax_setting.h"

namespace {

// Sets a flag for as long as it lives: the flow's own writes to the fields,
// or a conversion, until it ends, however it ends.
class ScopedFlag {
public:
    explicit ScopedFlag(bool& flag) : flag_(flag) { flag_ = true; }
    ~ScopedFlag() { flag_ = false; }
    ScopedFlag(const ScopedFlag&) = delete;
    ScopedFlag& operator=(const ScopedFlag&) = delete;

private:
    bool& flag_;
};

// False when a file has no output name or two files would meet in one; a
// message then says which, and nothing is converted.
bool CanConvertSeveral(const std::vector<FileConversion>& files) {
    for (std::size_t i = 0; i < files.size(); ++i) {
        const FileConversion& file = files[i];
        if (file.iobName.empty() || file.outputName.empty()) {
            iob::ShowMessage(iob::kMsgNoOutputName, iob::kBoxOk, file.iobName);
            return false;
        }
        for (std::size_t j = 0; j < i; ++j) {
            const FileConversion& earlier = files[j];
            // Two outputs alike, or one file's output the other's IOB file.
            std::string met;
            if (PathsAlike(file.outputName, earlier.outputName) || PathsAlike(file.outputName, earlier.iobName)) {
                met = file.outputName;
            } else if (PathsAlike(earlier.outputName, file.iobName)) {
                met = earlier.outputName;
            }
            if (!met.empty()) {
                iob::ShowMessage(iob::kMsgSameOutput, iob::kBoxOk, earlier.iobName, file.iobName, met);
                return false;
            }
        }
    }
    return true;
}

// One question covers every output that exists; false after No, which a
// message then answers.
bool ConfirmReplaceSeveral(const std::vector<FileConversion>& files) {
    std::string existing;
    long long existingCount = 0;
    for (const FileConversion& file : files) {
        if (!iob::ReplacesExistingFile(file.iobName, file.outputName)) continue;
        existing += (existingCount++ > 0 ? "\n" : "") + file.outputName;
    }
    if (existingCount == 0 ||
        iob::ShowMessage(iob::kMsgReplaceFiles, iob::kBoxYesNoDefaultNo, existingCount, existing) == iob::kButtonYes) {
        return true;
    }
    iob::ShowMessage(iob::kMsgNothingReplacedOfSeveral, iob::kBoxOk);
    return false;
}

}  // namespace

ConvertFlow::ConvertFlow(ConvertDialogView& view, const std::string& iobFileName)
    : view_(view), iobFileName_(iobFileName) {
    ProposeOutputName();
}

void ConvertFlow::FillControls() {
    Fill();
    view_.SetChosenSyntax(StoredSyntax());
}

void ConvertFlow::OnSyntaxChosen() { StoreSyntax(view_.ChosenSyntax()); }

void ConvertFlow::Fill() {
    const ScopedFlag filling(filling_);
    // A field is written only when its text changes: writing it puts the
    // caret back, and a name being typed would come out backwards.
    const std::pair<NameField, const std::string*> fields[] = {{NameField::kIob, &iobFileName_},
                                                               {NameField::kOutput, &outputFileName_}};
    for (const auto& [field, text] : fields) {
        if (view_.FieldText(field) != *text) view_.SetFieldText(field, *text);
    }
}

void ConvertFlow::OnConvert() {
    if (converting_) return;
    ReadFields();
    if (!ConfirmReplace()) return;
    const ScopedFlag converting(converting_);
    ConvertInBackground(iobFileName_, outputFileName_, view_.ChosenSyntax(), view_);
}

void ConvertFlow::OnBrowseIob() {
    if (converting_) return;
    ReadFields();
    BrowseForFile(NameField::kIob);
}

void ConvertFlow::OnIobNameChanged() {
    if (converting_ || filling_) return;
    ReadFields();
    const std::string before = outputFileName_;
    ProposeOutputName();
    if (outputFileName_ != before) Fill();
}

void ConvertFlow::OnFilesGiven(const std::vector<std::string>& iobNames) {
    if (converting_ || iobNames.empty()) return;
    if (iobNames.size() > 1) {
        ConvertSeveral(iobNames);
        return;
    }
    ReadFields();
    iobFileName_ = iobNames.front();
    ProposeOutputName();
    Fill();
}

void ConvertFlow::ConvertSeveral(const std::vector<std::string>& iobNames) {
    if (converting_) return;
    std::vector<FileConversion> files;
    files.reserve(iobNames.size());
    for (const std::string& name : iobNames) files.push_back({iob::TrimFileName(name), ProposedOutputName(name), {}});
    if (!CanConvertSeveral(files) || !ConfirmReplaceSeveral(files)) return;
    const ScopedFlag converting(converting_);
    // One syntax for all of them, as the box stood when they started.
    const iob::OutputSyntax syntax = view_.ChosenSyntax();
    long long converted = 0;
    for (FileConversion& file : files) {
        std::string iob = file.iobName;
        std::string output = file.outputName;
        file.outcome = ConvertInBackground(iob, output, syntax, view_, false);
        if (file.outcome.files.result == 0) ++converted;
    }
    std::string summary;
    for (const std::string& line : SummaryLines(files)) summary += (summary.empty() ? "" : "\n") + line;
    iob::PresentMessage(iob::kMsgSeveralConverted, iob::kBoxOk,
                        iob::FormatMessage(iob::kMsgSeveralConverted, converted, static_cast<long long>(files.size())),
                        summary);
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
                                    BrowseStartFolder(name, forIob ? outputFileName_ : iobFileName_), forIob};
    std::vector<std::string> chosen;
    try {
        chosen = view_.ChooseFiles(request);
    } catch (const std::bad_alloc&) {
        iob::ShowOutOfMemory();
        return;
    }
    if (chosen.empty()) return;
    for (std::string& path : chosen) path = ChosenPathCase(path);
    if (chosen.size() > 1) {
        ConvertSeveral(chosen);
        return;
    }
    name = chosen.front();
    if (forIob) ProposeOutputName();
    Fill();
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
    const std::string output = iob::TrimFileName(outputFileName_);
    if (iob::AskReplace(output)) return true;
    // Silence after No would read like a conversion that wrote the file.
    iob::ShowMessage(iob::kMsgNothingReplaced, iob::kBoxOk, output);
    return false;
}
