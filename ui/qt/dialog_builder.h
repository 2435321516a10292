// Dialogs made from their templates.
#pragma once

#include <QDialog>
#include <QPixmap>
#include <map>

#include "dialog_templates.h"

// Gives `dialog` the template's title, fixed client size and controls, in
// creation order. The units come from the dialog's font; where that font
// needs more room for a static text or a button's text than the template
// gives it, the units grow, in that direction, until the neediest text fits.
// No button is the default unless its template says so, and none becomes the
// default by taking the focus. Returns the controls that have an id, by id.
std::map<int, QWidget*> BuildDialog(QDialog& dialog, const DialogTemplate& dialogTemplate, const QPixmap& icon);
