// The controls of a CConvertDialog, found as a user finds them: the two
// fields, the four buttons in the order they were made and the check box.
#pragma once

#include <QCheckBox>
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
        syntaxBox = dialog.findChild<QCheckBox*>(QString(), Qt::FindDirectChildrenOnly);
    }

    QLineEdit* iobField;
    QLineEdit* outputField;
    QPushButton* browseIob;
    QPushButton* browseOutput;
    QPushButton* convert;
    QPushButton* close;
    QCheckBox* syntaxBox;
};
