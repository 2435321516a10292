#include "dialog_template.h"

#include <commctrl.h>

#include <cstring>

#include "wide_text.h"

namespace {

// The predefined window classes, by atom.
constexpr WORD kButtonClass = 0x0080;
constexpr WORD kEditClass = 0x0081;
constexpr WORD kStaticClass = 0x0082;
constexpr WORD kOrdinal = 0xFFFF;
constexpr WORD kFontPoints = 8;

// The template is a run of WORDs; DWORDs and shorts go in as their WORDs, low first.
class TemplateWriter {
public:
    void Word(WORD value) { words_.push_back(value); }
    void Dword(DWORD value) {
        Word(LOWORD(value));
        Word(HIWORD(value));
    }
    void Short(int value) { Word(static_cast<WORD>(static_cast<short>(value))); }
    void Text(const std::string& utf8) {
        for (wchar_t c : Widen(utf8)) Word(static_cast<WORD>(c));
        Word(0);
    }
    void AlignToDword() {
        if (words_.size() % 2 != 0) Word(0);
    }
    std::vector<DWORD> Take() {
        AlignToDword();
        std::vector<DWORD> dwords(words_.size() / 2);
        std::memcpy(dwords.data(), words_.data(), words_.size() * sizeof(WORD));
        return dwords;
    }

private:
    std::vector<WORD> words_;
};

// A predefined class by its atom, or a common control's class by its name.
struct ControlClass {
    WORD atom;
    DWORD style;
    const char* name = nullptr;
};

// The styles a resource script gives LTEXT, EDITTEXT, PUSHBUTTON,
// DEFPUSHBUTTON, ICON and AUTOCHECKBOX; texts are shown as written, "&"
// included. A progress bar is CONTROL "" with the common controls' class.
ControlClass ClassOf(ControlKind kind) {
    switch (kind) {
    case ControlKind::kText:
        return {kStaticClass, SS_LEFT | SS_NOPREFIX | WS_GROUP};
    case ControlKind::kEdit:
        return {kEditClass, ES_LEFT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP};
    case ControlKind::kButton:
        return {kButtonClass, BS_PUSHBUTTON | WS_TABSTOP};
    case ControlKind::kDefaultButton:
        return {kButtonClass, BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP};
    case ControlKind::kIcon:
        return {kStaticClass, SS_ICON};
    case ControlKind::kProgressBar:
        return {0, 0, PROGRESS_CLASSA};
    case ControlKind::kCheckBox:
        return {kButtonClass, BS_AUTOCHECKBOX | WS_TABSTOP};
    }
    return {kStaticClass, 0};
}

}  // namespace

std::vector<DWORD> BuildDialogTemplate(const DialogTemplate& dialog, DWORD style, DWORD exStyle) {
    TemplateWriter writer;
    writer.Word(1);  // DLGTEMPLATEEX
    writer.Word(0xFFFF);
    writer.Dword(0);  // help id
    writer.Dword(exStyle);
    writer.Dword(style | DS_SHELLFONT);
    writer.Word(static_cast<WORD>(dialog.controlCount));
    writer.Short(0);
    writer.Short(0);
    writer.Short(dialog.width);
    writer.Short(dialog.height);
    writer.Word(0);  // no menu
    writer.Word(0);  // the dialog class
    writer.Text(dialog.title);
    writer.Word(kFontPoints);
    writer.Word(FW_NORMAL);
    writer.Word(MAKEWORD(FALSE, DEFAULT_CHARSET));  // not italic, then the character set
    writer.Text("MS Shell Dlg");
    for (const ControlTemplate& control : dialog) {
        const ControlClass controlClass = ClassOf(control.kind);
        writer.AlignToDword();
        writer.Dword(0);  // help id
        writer.Dword(0);  // extended style
        writer.Dword(WS_CHILD | WS_VISIBLE | controlClass.style);
        writer.Short(control.x);
        writer.Short(control.y);
        writer.Short(control.width);
        writer.Short(control.height);
        writer.Dword(static_cast<DWORD>(control.id));  // kIdNone is -1, as in a resource script
        if (controlClass.name != nullptr) {
            writer.Text(controlClass.name);
        } else {
            writer.Word(kOrdinal);
            writer.Word(controlClass.atom);
        }
        if (control.kind == ControlKind::kIcon) {
            writer.Word(kOrdinal);
            writer.Word(kAppIconResource);
        } else {
            writer.Text(control.text);
        }
        writer.Word(0);  // no creation data
    }
    return writer.Take();
}
