// "&Convert Data" through the main dialog: typed names, the files written
// and the one message box that reports the outcome.
#include <QDropEvent>
#include <QFile>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMimeData>
#include <QUrl>
#include <string>
#include <vector>

#include "convert_dialog_fixture.h"
#include "iob_records.h"
#include "test_files.h"

using namespace iob;

namespace {}  // namespace

TEST_F(ConvertDialogTest, ConvertingTheExampleWritesItsExpectedFileAndReportsSuccess) {
    Convert(ExamplePath("network.iob"), Path("network.txt"));
    EXPECT_EQ(messages_, QStringList{"Success - the results are in " + Path("network.txt")});
    EXPECT_EQ(ReadBytes(Path("network.txt")), ReadBytes(ExamplePath("network.txt")));
    ExpectScriptDone();
}

// The message keeps its text; what was converted and what was not stands
// beneath it, shown whole and as plain text.
TEST_F(ConvertDialogTest, ReportStandsBeneathTheSuccessText) {
    QFile iob(Path("partial.iob"));
    ASSERT_TRUE(iob.open(QIODevice::WriteOnly));
    iob.write(" DIST <b>A</b> B 100.0\n"
              " PLH      BM-2041      N 45 30 12.345600 W 75 05 59.876543      123.456 ft\n"
              " DIST C D 50.0\n"
              " DXYZ     ALPHA        BRAVO            1234.5678    -2345.6789      345.1234 m\n"
              " DXYZ     BRAVO        ALPHA            1234.5678    -2345.6789      345.1234 m\n");
    iob.close();
    Type(controls_.iobField, Path("partial.iob"));
    Type(controls_.outputField, Path("out.txt"));
    SeenBox seen;
    script_.Then(PressOk(seen));
    QTest::mouseClick(controls_.convert, Qt::LeftButton);
    EXPECT_EQ(seen.text, "Success - the results are in " + Path("out.txt"));
    EXPECT_EQ(seen.informativeText, "1 station, 0 GPS vectors in 0 groups\n"
                                    "No ELIP record: the default datum NAD 83 was written\n"
                                    "Not converted: 2 DIST records (first on line 1)\n"
                                    "Not converted: 1 incomplete GPS group of 2 vectors at the end (line 4)");
    EXPECT_TRUE(seen.informativeTextIsPlain);
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
    EXPECT_TRUE(seen.okIsTheOnlyButton);
    ExpectScriptDone();
}

TEST_F(ConvertDialogTest, SuccessNamesTheOutputAsTrimmedWhileTheFieldsKeepTheBlanks) {
    Convert("  " + ExamplePath("header.iob") + " ", " " + Path("out.txt"));
    EXPECT_EQ(messages_, QStringList{"Success - the results are in " + Path("out.txt")});
    EXPECT_EQ(controls_.iobField->text(), "  " + ExamplePath("header.iob") + " ");
    EXPECT_EQ(controls_.outputField->text(), " " + Path("out.txt"));
    EXPECT_EQ(ReadBytes(Path("out.txt")), ReadBytes(ExamplePath("header.txt")));
}

TEST_F(ConvertDialogTest, IobNameOfBlanksAsksForTheIobName) {
    Convert("   ", Path("out.txt"));
    EXPECT_EQ(messages_, QStringList{"Please enter an 'IOB' File name"});
    EXPECT_FALSE(QFile::exists(Path("out.txt")));
}

TEST_F(ConvertDialogTest, OutputNameOfBlanksAsksForTheQuorvaneName) {
    Convert(ExamplePath("network.iob"), "  ");
    EXPECT_EQ(messages_, QStringList{"Please enter a 'QUORVANE' File name"});
}

TEST_F(ConvertDialogTest, BothNamesEmptyAskOnlyForTheIobName) {
    Convert("", "");
    EXPECT_EQ(messages_, QStringList{"Please enter an 'IOB' File name"});
    ExpectScriptDone();
}

TEST_F(ConvertDialogTest, MissingIobFileCannotBeOpenedAndNoOutputIsCreated) {
    Convert(Path("missing.iob"), Path("out.txt"));
    EXPECT_EQ(messages_, QStringList{"Cannot open file " + Path("missing.iob")});
    EXPECT_FALSE(QFile::exists(Path("out.txt")));
}

TEST_F(ConvertDialogTest, OutputInAMissingFolderCannotBeOpened) {
    Convert(ExamplePath("network.iob"), Path("no-such-folder/out.txt"));
    EXPECT_EQ(messages_, QStringList{"Cannot open file " + Path("no-such-folder/out.txt")});
}

TEST_F(ConvertDialogTest, SameFileTwiceIsRefusedAndTheIobFileIsUnchanged) {
    const QByteArray iob = ReadBytes(ExamplePath("network.iob"));
    WriteBytes(Path("net.iob"), iob);
    Convert(Path("net.iob"), Path("./net.iob"));
    EXPECT_EQ(messages_, QStringList{"The 'IOB' file and the 'QUORVANE' file are the same file " + Path("./net.iob")});
    EXPECT_EQ(ReadBytes(Path("net.iob")), iob);
}

TEST_F(ConvertDialogTest, FullDiskIsAWriteErrorNotASuccess) {
    if (!QFile::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    Convert(ExamplePath("network.iob"), "/dev/full");
    EXPECT_EQ(messages_, QStringList{"File write error /dev/full"});
    ExpectScriptDone();
}

TEST_F(ConvertDialogTest, UnsupportedCovarianceSettingShowsExactlyOneBox) {
    WriteBytes(Path("cov.iob"), QByteArray::fromStdString(Cov({}, "", "", "XY") + "\r\n"));
    Convert(Path("cov.iob"), Path("out.txt"));
    EXPECT_EQ(messages_, QStringList{"Currently no support for 'XY' setting in record 'COV '"});
    ExpectScriptDone();
}

// No, the default, writes nothing and shows no other box.
TEST_F(ConvertDialogTest, ExistingOutputIsReplacedOnlyAfterYes) {
    const QByteArray older("older and longer contents than the new file will have\r\n\0", 56);
    WriteBytes(Path("out.txt"), older);
    SeenBox no, nothingWritten, yes;
    script_.Then(Answer(no, QMessageBox::No)).Then(PressOk(nothingWritten)).Then(Answer(yes, QMessageBox::Yes));
    Type(controls_.iobField, ExamplePath("header.iob"));
    Type(controls_.outputField, " " + Path("out.txt"));
    QTest::mouseClick(controls_.convert, Qt::LeftButton);
    EXPECT_EQ(ReadBytes(Path("out.txt")), older);
    Convert(ExamplePath("header.iob"), Path("out.txt"));
    EXPECT_EQ(no.text, Path("out.txt") + " already exists. Do you want to replace it?");
    EXPECT_TRUE(no.icon == QMessageBox::Warning && no.yesAndNoWithNoDefault);
    // No is not silence: the old output must not pass for a new one.
    EXPECT_EQ(nothingWritten.text, "Nothing was written: " + Path("out.txt") + " is as it was");
    EXPECT_EQ(messages_, QStringList{"Success - the results are in " + Path("out.txt")});
    EXPECT_EQ(ReadBytes(Path("out.txt")), ReadBytes(ExamplePath("header.txt")));
    ExpectScriptDone();
}

// network.iob sets its datum and a custom unit; stations.iob, converted
// next, has neither and converts as it does alone.
TEST_F(ConvertDialogTest, SecondConversionOfTheRunStartsFromTheDefaults) {
    Convert(ExamplePath("network.iob"), Path("network.txt"));
    Convert(ExamplePath("stations.iob"), Path("stations.txt"));
    EXPECT_EQ(messages_.size(), 2);
    EXPECT_EQ(ReadBytes(Path("stations.txt")), ReadBytes(ExamplePath("stations.txt")));
}

TEST_F(ConvertDialogTest, ConversionRunsUnderTheBusyCursor) {
    int shapeWhileConverting = -1;
    MessagePresenter boxes = SetMessagePresenter([&](unsigned, unsigned, const std::string&, const std::string&) {
        const QCursor* cursor = QGuiApplication::overrideCursor();
        shapeWhileConverting = cursor != nullptr ? cursor->shape() : -1;
        return 1;
    });
    Type(controls_.iobField, ExamplePath("header.iob"));
    Type(controls_.outputField, Path("out.txt"));
    QTest::mouseClick(controls_.convert, Qt::LeftButton);
    SetMessagePresenter(boxes);
    EXPECT_EQ(shapeWhileConverting, Qt::WaitCursor);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(ConvertDialogTest, MessageBoxOfAConversionShowsTheOrdinaryPointer) {
    SeenBox seen;
    Type(controls_.iobField, ExamplePath("header.iob"));
    Type(controls_.outputField, Path("out.txt"));
    script_.Then(PressOk(seen));
    QTest::mouseClick(controls_.convert, Qt::LeftButton);
    EXPECT_TRUE(seen.arrowCursor);
    ExpectScriptDone();
}

TEST_F(ConvertDialogTest, AltCPressesConvertData) {
    script_.Then(PressOk(messages_));
    QTest::keyClick(controls_.iobField, Qt::Key_C, Qt::AltModifier);
    // A mnemonic presses its button visibly, so the click comes a moment later.
    EXPECT_TRUE(QTest::qWaitFor([this] { return !messages_.isEmpty(); }, 2000));
    EXPECT_EQ(messages_, QStringList{"Please enter an 'IOB' File name"});
}

// Files dropped on the dialog: one fills the IOB field and proposes its
// output, its name's bytes kept even when they are not UTF-8.
TEST_F(ConvertDialogTest, OneDroppedFileFillsTheIobFieldWithItsBytes) {
    QMimeData files;
    files.setUrls({QUrl::fromEncoded("file:///jobs/r%E9seau.iob")});
    // Qt delivers a drop only after the drag has entered.
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&dialog_, &enter);
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&dialog_, &drop);
    EXPECT_EQ(controls_.iobField->text(), "/jobs/r" + QString(QChar(0xDCE9)) + "seau.iob");
    EXPECT_EQ(controls_.outputField->text(), "/jobs/r" + QString(QChar(0xDCE9)) + "seau.txt");
}

// Several files at once: nothing runs when one has no output name or two
// would meet in one file, and No to the one question writes nothing.
TEST_F(ConvertDialogTest, SeveralFilesRunOnlyWhenEachHasAnOutputOfItsOwnAndNoIsAnswered) {
    WriteBytes(Path("a.iob"), ReadBytes(ExamplePath("header.iob")));
    WriteBytes(Path("b.iob"), ReadBytes(ExamplePath("header.iob")));
    WriteBytes(Path("b.txt"), "older\r\n");
    const struct {
        std::vector<QString> names;
        QString message;
    } cases[] = {
        {{Path("a.iob"), Path("b.txt")}, "Nothing was converted: " + Path("b.txt") + " has no output name of its own"},
        {{Path("a.iob"), Path("a.iob")},
         "Nothing was converted: " + Path("a.iob") + " and " + Path("a.iob") + " would both be written to " +
             Path("a.txt")},
        {{Path("a.iob"), Path("b.iob")}, "Nothing was written: the files are as they were"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> names;
        for (const QString& name : c.names) names.push_back(name.toStdString());
        SeenBox question, seen;
        if (c.names.back() == Path("b.iob")) script_.Then(Answer(question, QMessageBox::No));
        script_.Then(PressOk(seen));
        dialog_.ConvertOnceShown(names);
        EXPECT_TRUE(QTest::qWaitFor([&] { return script_.Pending() == 0; })) << c.message.toStdString();
        EXPECT_EQ(seen.text, c.message);
        if (!question.text.isEmpty()) {
            EXPECT_EQ(question.text,
                      "1 of the output files exist already:\n" + Path("b.txt") + "\nDo you want to replace them?");
        }
        EXPECT_FALSE(QFile::exists(Path("a.txt")));
        EXPECT_EQ(ReadBytes(Path("b.txt")), "older\r\n");
    }
}

// Keys typed in the middle of the IOB name stay where they are typed: the
// proposal written beside it does not move the cursor to the end.
TEST_F(ConvertDialogTest, KeysTypedInsideTheIobNameStayInPlace) {
    Type(controls_.iobField, "net.iob");
    QTest::keyClick(controls_.iobField, Qt::Key_Home);
    QTest::keyClicks(controls_.iobField, "/jobs/");
    EXPECT_EQ(controls_.iobField->text(), "/jobs/net.iob");
    EXPECT_EQ(controls_.outputField->text(), "/jobs/net.txt");
}
