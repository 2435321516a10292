// The check box of the single-line syntax: clear at first, kept in the
// user's settings (the tests' own, gui_test_main.cpp) from one dialog to the
// next, and the syntax of every conversion, one file or several.
#include "convert_dialog_fixture.h"
#include "test_files.h"

namespace {

bool CheckedInANewDialog() {
    CConvertDialog dialog;
    return ConvertDialogControls(dialog).syntaxBox->isChecked();
}

}  // namespace

TEST_F(ConvertDialogTest, SyntaxBoxIsClearAtFirstAndEachClickSurvivesARestart) {
    EXPECT_FALSE(controls_.syntaxBox->isChecked());
    QTest::mouseClick(controls_.syntaxBox, Qt::LeftButton);
    EXPECT_TRUE(CheckedInANewDialog());
    QTest::mouseClick(controls_.syntaxBox, Qt::LeftButton);
    EXPECT_FALSE(CheckedInANewDialog());
}

TEST_F(ConvertDialogTest, CheckedSyntaxBoxConvertsOneFileOrSeveralIntoTheSingleLineSyntax) {
    QTest::mouseClick(controls_.syntaxBox, Qt::LeftButton);
    Convert(ExamplePath("stations.iob"), Path("one.txt"));
    WriteBytes(Path("a.iob"), ReadBytes(ExamplePath("stations.iob")));
    WriteBytes(Path("b.iob"), ReadBytes(ExamplePath("vector.iob")));
    script_.Then(PressOk(messages_));
    dialog_.ConvertOnceShown({Path("a.iob").toStdString(), Path("b.iob").toStdString()});
    EXPECT_TRUE(QTest::qWaitFor([this] { return script_.Pending() == 0; }));
    for (const char* output : {"one.txt", "a.txt", "b.txt"}) {
        EXPECT_TRUE(ReadBytes(Path(output)).contains("_DATUM; NAD 83; 6378137.0000; 298.2572221")) << output;
        EXPECT_FALSE(ReadBytes(Path(output)).contains("$DATUM")) << output;
    }
    // The choice is left as it was found, for the tests after this one in the process.
    QTest::mouseClick(controls_.syntaxBox, Qt::LeftButton);
}
