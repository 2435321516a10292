// A shown main dialog, a temporary folder for the files a test names and
// a scripted user for the windows the dialog opens.
#pragma once

#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "convert_dialog.h"
#include "convert_dialog_controls.h"
#include "modal_script.h"
#include "qt_printers.h"

class ConvertDialogTest : public testing::Test {
protected:
    ConvertDialogTest() {
        dialog_.show();
        dialog_.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog_));
    }

    QString Path(const QString& name) const { return folder_.filePath(name); }

    void Type(QLineEdit* field, const QString& text) {
        field->clear();
        QTest::keyClicks(field, text);
    }

    // Types both names and presses "&Convert Data" with the mouse; the
    // message box it shows is read and closed with OK.
    void Convert(const QString& iobName, const QString& outputName) {
        Type(controls_.iobField, iobName);
        Type(controls_.outputField, outputName);
        script_.Then(PressOk(messages_));
        QTest::mouseClick(controls_.convert, Qt::LeftButton);
    }

    // Every step played and no window met that the test did not expect.
    void ExpectScriptDone() {
        EXPECT_EQ(script_.Pending(), 0u);
        EXPECT_EQ(script_.Unexpected(), QStringList());
    }

    QTemporaryDir folder_;
    CConvertDialog dialog_;
    ConvertDialogControls controls_{dialog_};
    ModalScript script_;
    QStringList messages_;
};
