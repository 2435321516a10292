// Dialog templates (dialog_templates.h) as the in-memory extended templates
// that DialogBoxIndirectParamW takes: the same title, size and controls in
// the same dialog units and creation order, in the system's dialog font
// ("MS Shell Dlg", 8 points).
#pragma once

#include "windows_api.h"

#include <vector>

#include "dialog_templates.h"

// The id of the application icon's resource, which a kIcon control shows.
constexpr WORD kAppIconResource = 128;

// `style` and `exStyle` are the dialog window's; the font style is added.
// The result is DWORD-aligned, as the system needs it.
std::vector<DWORD> BuildDialogTemplate(const DialogTemplate& dialog, DWORD style, DWORD exStyle);
