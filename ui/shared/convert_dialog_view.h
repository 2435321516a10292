// What the convert flow asks of the main dialog on screen, whichever toolkit
// draws it: the texts of its two name fields, the syntax its check box
// chooses, where a file dialog starts and a file dialog itself, and the
// progress window of a long conversion. Texts are UTF-8, but for file names
// on Linux, which are the system's bytes whatever they are. Messages go
// through ShowMessage and the presenter the shell installs.
#pragma once

#include <string>
#include <vector>

#include <iob/output_syntax.h>

#include "progress_view.h"

enum class NameField { kIob, kOutput };

// A modal open-file dialog: its title and filter texts come from the string
// table; it accepts names of files that do not exist yet, never asks before
// a file is replaced and adds no extension.
struct FileDialogRequest {
    const char* title;
    const char* filter;  // "Description|pattern|...||"
    std::string startFolder;
    // Several existing files may be chosen at once (the IOB files); else one
    // file, which need not exist yet.
    bool severalFiles = false;
};

class ConvertDialogView : public ConversionProgressView {
public:
    virtual std::string FieldText(NameField field) const = 0;
    virtual void SetFieldText(NameField field, const std::string& text) = 0;

    // The syntax that every conversion the dialog starts writes, as its
    // check box stands when the conversion starts.
    virtual iob::OutputSyntax ChosenSyntax() const = 0;
    // Checks the box for the single-line syntax, clears it for the compact
    // one; the user's click is not told for it (OnSyntaxChosen).
    virtual void SetChosenSyntax(iob::OutputSyntax syntax) = 0;

    // Runs the dialog until the user ends it: the full paths of the chosen or
    // typed files, none after Cancel. Throws std::bad_alloc when the dialog
    // cannot be made.
    virtual std::vector<std::string> ChooseFiles(const FileDialogRequest& request) = 0;

protected:
    ~ConvertDialogView() = default;
};
