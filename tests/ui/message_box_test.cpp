// The message boxes of ShowMessage while a main dialog lives.
#include <QMessageBox>

#include <iob/string_table.h>

#include "convert_dialog_fixture.h"

using namespace iob;

TEST_F(ConvertDialogTest, MessageBoxHasTheWarningIconOneOkButtonAndTheApplicationsTitle) {
    SeenBox seen;
    script_.Then(PressOk(seen));
    EXPECT_EQ(ShowMessage(kMsgSuccess, 0, "out.txt"), 1);
    EXPECT_EQ(seen.caption, "ui_tests");
    EXPECT_EQ(seen.text, "Success - the results are in out.txt");
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
    EXPECT_TRUE(seen.okIsTheOnlyButton);
    ExpectScriptDone();
}

TEST_F(ConvertDialogTest, MessageBoxBelongsToTheMainDialog) {
    SeenBox seen;
    script_.Then(PressOk(seen));
    ShowMessage(kMsgOutOfMemory, 0);
    EXPECT_EQ(seen.owner, &dialog_);
}

TEST_F(ConvertDialogTest, LongMessageIsShownWhole) {
    const std::string name = "/survey/" + std::string(300, 'n') + ".txt";
    SeenBox seen;
    script_.Then(PressOk(seen));
    ShowMessage(kMsgSuccess, 0, name.c_str());
    EXPECT_EQ(seen.text, QString::fromStdString("Success - the results are in " + name));
}

// A report of 30 kinds: a screenful beneath the message, the rest in the
// details area, every line there once, all of it selectable.
TEST_F(ConvertDialogTest, ReportBeyondAScreenfulKeepsTheRestInTheDetails) {
    QStringList lines;
    for (int kind = 1; kind <= 30; ++kind) lines << QString("Not converted: 1 K%1 record (line %1)").arg(kind);
    SeenBox seen;
    script_.Then(PressOk(seen));
    PresentMessage(kMsgSuccess, 0, "Success - the results are in out.txt", lines.join('\n').toStdString());
    EXPECT_EQ(seen.informativeText, lines.mid(0, 20).join('\n'));
    EXPECT_EQ(seen.detailedText, lines.mid(20).join('\n'));
    EXPECT_TRUE(seen.textsSelectable);
}

TEST_F(ConvertDialogTest, FileNameThatLooksLikeMarkupIsShownAsPlainText) {
    SeenBox seen;
    script_.Then(PressOk(seen));
    ShowMessage(kMsgCannotOpen, 0, "<b>net</b>.iob");
    EXPECT_EQ(seen.text, "Cannot open file <b>net</b>.iob");
    EXPECT_TRUE(seen.textIsPlain);
}

TEST(MessageBoxes, AreNoLongerShownOnceTheMainDialogHasGone) {
    int before = 0;
    MessagePresenter counting = [&before](unsigned, unsigned, const std::string&, const std::string&) {
        return ++before;
    };
    MessagePresenter previous = SetMessagePresenter(counting);
    { CConvertDialog dialog; }
    EXPECT_EQ(ShowMessage(kMsgOutOfMemory, 0), 1);
    SetMessagePresenter(previous);
}
