// The controls of a CConvertDialog, found as a user finds them: the two
// fields and the four buttons in the order they were made.
#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

struct ConvertDialogControls {
    explicit ConvertDialogControls(QDialog& dialog) {
        const auto fields = dialog.findChildren<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly);
        const auto buttons = dialog.findChildren<QPushButton*>(QString(), Qt::FindDirectChildrenOnly);
        iobField = fields.value(0);
        outputField = fields.value(1);
        browseIob = buttons.value(0);
        browseOutput = buttons.value(1);
        convert = buttons.value(2);
        close = buttons.value(3);
    }

    QLineEdit* iobField;
    QLineEdit* outputField;
    QPushButton* browseIob;
    QPushButton* browseOutput;
    QPushButton* convert;
    QPushButton* close;
};
