// A dialog made from its template, refitted to its font (unit_growth.h):
// the system's dialog font differs from machine to machine, and where it
// needs more room than the template gives a text, the text would be cut.
#pragma once

#include "windows_api.h"

#include "dialog_templates.h"

// Call from WM_INITDIALOG: the controls are `dialogTemplate`'s, in its
// order. The dialog keeps its centre; the icon keeps its size.
void FitDialogToTexts(HWND dialog, const DialogTemplate& dialogTemplate);
