// The names a screen reader hears for controls whose text does not say what
// they are for (ControlAccessibleName): the two "Browse..." buttons and the
// progress bar. A Win32 control's accessible name is its text, and Dynamic
// Annotation (IAccPropServices), the other way to give it one, is answered
// E_NOTIMPL by Wine 8, where the shell is tested. So each such control
// answers WM_GETOBJECT itself, with the system's standard object for it
// (CreateStdAccessibleObject) behind a thin one that gives its name: role,
// state, location, actions and the rest stay the system's.
#pragma once

#include "windows_api.h"

#include "dialog_templates.h"

// Call from WM_INITDIALOG: the controls are `dialogTemplate`'s. A control
// for which the system has no standard object keeps its text as its name.
void NameControlsForScreenReaders(HWND dialog, const DialogTemplate& dialogTemplate);
