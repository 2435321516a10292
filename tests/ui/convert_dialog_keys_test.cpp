// How the main dialog ends and takes the keyboard: Enter, Escape, "Close",
// the close box, the tab order and the absence of a default button.
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QScreen>

#include "app_icon.h"
#include "convert_dialog_fixture.h"
#include "test_files.h"
#include "window_icon.h"

namespace {

// Runs a fresh dialog modally, as start-up does, and plays `user` on it.
int RunModally(CConvertDialog& dialog, ModalScript& script, ModalScript::Step user) {
    script.Then(std::move(user));
    return dialog.exec();
}

}  // namespace

TEST_F(ConvertDialogTest, EnterInTheIobFieldEndsTheDialogWithoutConverting) {
    CConvertDialog run;
    const int result = RunModally(run, script_, [this](QWidget* window) {
        ConvertDialogControls controls(*static_cast<QDialog*>(window));
        QTest::keyClicks(controls.iobField, ExamplePath("network.iob"));
        QTest::keyClicks(controls.outputField, Path("out.txt"));
        QTest::keyClick(controls.iobField, Qt::Key_Return);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_FALSE(QFile::exists(Path("out.txt")));
    ExpectScriptDone();
}

TEST_F(ConvertDialogTest, EscapeEndsTheDialog) {
    CConvertDialog run;
    EXPECT_EQ(RunModally(run, script_, PressEscape()), QDialog::Rejected);
    ExpectScriptDone();
}

TEST_F(ConvertDialogTest, CloseButtonEndsTheDialog) {
    CConvertDialog run;
    const int result = RunModally(run, script_, [](QWidget* window) {
        QTest::mouseClick(ConvertDialogControls(*static_cast<QDialog*>(window)).close, Qt::LeftButton);
    });
    EXPECT_EQ(result, QDialog::Rejected);
}

TEST_F(ConvertDialogTest, CloseBoxEndsTheDialog) {
    CConvertDialog run;
    EXPECT_EQ(RunModally(run, script_, [](QWidget* window) { window->close(); }), QDialog::Rejected);
}

TEST_F(ConvertDialogTest, EnterOnTheFocusedConvertButtonConverts) {
    Type(controls_.iobField, ExamplePath("header.iob"));
    Type(controls_.outputField, Path("out.txt"));
    controls_.convert->setFocus();
    script_.Then(PressOk(messages_));
    QTest::keyClick(controls_.convert, Qt::Key_Return);
    EXPECT_EQ(messages_, QStringList{"Success - the results are in " + Path("out.txt")});
    EXPECT_TRUE(dialog_.isVisible());
}

TEST_F(ConvertDialogTest, FocusStartsInTheIobFieldAndTabRunsThroughTheControlsInTemplateOrder) {
    EXPECT_EQ(QApplication::focusWidget(), controls_.iobField);
    const QList<QWidget*> order = {controls_.browseIob, controls_.outputField, controls_.browseOutput,
                                   controls_.syntaxBox, controls_.convert,     controls_.close,
                                   controls_.iobField};
    for (QWidget* next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next);
    }
}

TEST_F(ConvertDialogTest, NoButtonIsTheDefaultNotEvenAfterHoldingTheFocus) {
    controls_.browseIob->setFocus();
    controls_.iobField->setFocus();
    for (QPushButton* button : dialog_.findChildren<QPushButton*>()) {
        EXPECT_FALSE(button->isDefault()) << button->text().toStdString();
    }
}

TEST_F(ConvertDialogTest, DialogShowsTheTitleAndTextsOfItsTemplate) {
    EXPECT_EQ(dialog_.windowTitle(), "Convert GeoLab IOB File To a Quorvane Input File");
    QStringList texts;
    for (QLabel* label : dialog_.findChildren<QLabel*>()) texts.append(label->text());
    EXPECT_EQ(texts.size(), 9);
    EXPECT_EQ(texts.value(3), "to modify (as needed) the coordinates of your fixed stations. ");
    EXPECT_EQ(texts.value(8), "'IOB' record types not described above, please contact us at support@example.org.");
    EXPECT_EQ(controls_.convert->text(), "&Convert Data");
    EXPECT_EQ(controls_.browseOutput->text(), "Browse...");
    EXPECT_EQ(controls_.close->text(), "Close");
    EXPECT_EQ(controls_.syntaxBox->text(),
              "Write the &single-line syntax: also fixed stations and terrestrial observations");
}

TEST_F(ConvertDialogTest, DialogOpensCentredOnTheScreen) {
    const QRect screen = dialog_.screen()->availableGeometry();
    const QPoint offset = dialog_.frameGeometry().center() - screen.center();
    EXPECT_LE(std::abs(offset.x()), 2);
    EXPECT_LE(std::abs(offset.y()), 2);
}

TEST_F(ConvertDialogTest, DialogCarriesTheApplicationIcon) {
    const QImage shown = dialog_.windowIcon().pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(shown, AppIcon().pixmap(kAppIconSize, kAppIconSize).toImage().convertToFormat(QImage::Format_ARGB32));
}
