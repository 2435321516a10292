// The dialog templates: each dialog's title and client size and each
// control's kind, id, text and rectangle, in creation order, which is also
// the tab order. Positions and sizes are dialog units of the dialog's font:
// a horizontal unit is a quarter of its average character width, a vertical
// unit an eighth of its character height.
#pragma once

#include <cstddef>

enum class ControlKind {
    kText,           // left-aligned static text, takes no focus
    kEdit,           // bordered single-line edit field
    kButton,         // push button
    kDefaultButton,  // push button pressed by Enter wherever the focus is
    kIcon,           // the application icon at its own size
    kProgressBar,    // a bar from 0 to kProgressRange, takes no focus
    kCheckBox,       // a box the user checks and clears, its text to the right; clear at first
};

// The steps of a progress bar, empty to full.
constexpr int kProgressRange = 1000;

// A button's id is the command it sends.
enum ControlId : int {
    kIdNone = -1,
    kIdOk = 1,
    kIdCancel = 2,
    kIdConvert = 1000,
    kIdIobName = 1001,
    kIdBrowseIob = 1002,
    kIdOutputName = 1003,
    kIdBrowseOutput = 1004,
    kIdProgressText = 1005,
    kIdProgressBar = 1006,
    kIdSingleLineSyntax = 1007,
};

struct ControlTemplate {
    ControlKind kind;
    int id;
    const char* text;
    int x, y, width, height;
};

struct DialogTemplate {
    const char* title;
    int width, height;
    const ControlTemplate* controls;
    std::size_t controlCount;

    const ControlTemplate* begin() const { return controls; }
    const ControlTemplate* end() const { return controls + controlCount; }
};

// The accessible name of a control whose text does not tell a screen reader
// what it is for (the two "Browse..." buttons, the progress bar), or null.
// The Qt shell gives them to its widgets. A Win32 control's accessible name
// is its text, so there each of these controls answers WM_GETOBJECT with an
// object of its own that gives this name (ui/win32/accessible_name.h).
const char* ControlAccessibleName(int id);

// Template 100, the About box.
const DialogTemplate& AboutDialogTemplate();
// Template 102, the main dialog.
const DialogTemplate& ConvertDialogTemplate();
// The progress window of a long conversion: its text names the file, the
// shell fills it in; the title is the string table's.
const DialogTemplate& ProgressDialogTemplate();
