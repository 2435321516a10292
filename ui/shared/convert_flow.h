// What the main dialog does, apart from drawing it: "&Convert Data", the two
// "Browse..." buttons and Enter. It owns the two names; every conversion
// starts from the default datum and unit, whatever the one before read, so
// a file converts as it does on the command line, and writes the syntax the
// view chooses (ChosenSyntax) as it starts. Each action reads both fields
// into the names first.
#pragma once

#include <string>
#include <vector>

#include <iob/convert.h>

#include "convert_dialog_view.h"

class ConvertFlow {
public:
    // `view` outlives the flow. `iobFileName` is the program's argument,
    // empty without one; the output name it proposes comes with it. The
    // controls are left as they are until FillControls.
    ConvertFlow(ConvertDialogView& view, const std::string& iobFileName);

    // Writes both names into both fields, and sets the check box to the
    // syntax stored by the run before (syntax_setting.h).
    void FillControls();

    // The user checked or cleared the box: the choice is stored at once, so
    // that the next run opens as this one was left, whether or not a
    // conversion follows. While a conversion runs too, which keeps the
    // syntax it started with.
    void OnSyntaxChosen();

    // When the output is an existing file, first asks whether to replace it
    // and does nothing more after No. Then trims and checks the names,
    // converts and shows exactly one message, with the report of what was
    // and was not converted beneath it. The fields are not rewritten: they
    // keep showing what the user typed, blanks included, while the names
    // are trimmed.
    void OnConvert();

    // A file dialog for the IOB file or the output file; a chosen path
    // replaces that name in the case path_case.h gives it, and both fields
    // are filled again, keeping what was typed into the other one. A chosen
    // IOB file proposes the output name (proposed_output_name.h) unless a
    // name was typed there: an empty or blank field takes the proposal, and
    // so does one still holding the previous proposal. Several IOB files
    // chosen at once are converted as ConvertSeveral does.
    void OnBrowseIob();
    void OnBrowseOutput();

    // The IOB field changed (typed, pasted, dropped into it): the proposal
    // follows it as after Browse.
    void OnIobNameChanged();

    // Files dropped on the dialog, or given as the program's arguments: one
    // goes into the IOB field, several are converted as ConvertSeveral does.
    void OnFilesGiven(const std::vector<std::string>& iobNames);

    // Converts each IOB file into its proposed output beside it. Nothing runs
    // when a file has no proposal or two would be written to one file; one
    // question covers every output that exists, listing them; one summary
    // at the end lists each file with its outcome, failures and doubts first.
    void ConvertSeveral(const std::vector<std::string>& iobNames);

    // Enter: takes the names from the fields; the shell then ends the dialog.
    void OnOK();

    // True while a conversion runs on its worker thread. The window system's
    // events are handled meanwhile, so a command already queued may still
    // arrive: every action above then does nothing, and the shell must not
    // end the dialog, as the worker is using the names.
    bool IsConverting() const { return converting_; }

private:
    void BrowseForFile(NameField field);
    void ReadFields();
    void ProposeOutputName();
    // Writes both names into both fields, telling no change of the IOB field.
    void Fill();
    // False when the user would rather keep the existing output file, which
    // a message then says.
    bool ConfirmReplace() const;

    ConvertDialogView& view_;
    std::string iobFileName_;
    std::string outputFileName_;
    std::string proposedOutputName_;
    bool converting_ = false;
    bool filling_ = false;  // the flow itself writes the fields
};
