// Start-up and end of the program: the application object runs the one
// main dialog modally and returns when it ends. Each test makes its own
// application, as the program does.
#include <QDialog>
#include <QFile>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

#include "convert_dialog_controls.h"
#include "converter_app.h"
#include "modal_script.h"
#include "qt_printers.h"
#include "test_files.h"

namespace {

struct SeenMainDialog {
    QString className;
    QString title;
    QString iobField = "not seen";
    QString outputField = "not seen";
};

ModalScript::Step ReadAndEscape(SeenMainDialog& seen) {
    return [&seen](QWidget* window) {
        seen.className = window->metaObject()->className();
        seen.title = window->windowTitle();
        ConvertDialogControls controls(*static_cast<QDialog*>(window));
        seen.iobField = controls.iobField->text();
        seen.outputField = controls.outputField->text();
        QTest::keyClick(window, Qt::Key_Escape);
    };
}

}  // namespace

TEST(CConverterApp, RunShowsTheMainDialogAndReturnsWhenItEnds) {
    int argc = 1;
    char name[] = "IobToQuorvane";
    char* argv[] = {name, nullptr};
    CConverterApp application(argc, argv);
    SeenMainDialog seen;
    ModalScript script;
    script.Then(ReadAndEscape(seen));
    EXPECT_EQ(application.Run(), 0);
    EXPECT_EQ(seen.className, "CConvertDialog");
    EXPECT_EQ(seen.title, "Convert GeoLab IOB File To a Quorvane Input File");
    EXPECT_EQ(script.Pending(), 0u);
    EXPECT_EQ(script.Unexpected(), QStringList());
}

TEST(CConverterApp, OneArgumentBeyondTheToolkitsFillsTheIobField) {
    int argc = 4;
    char name[] = "IobToQuorvane", platform[] = "-platform", offscreen[] = "offscreen";
    char file[] = "/jobs/net.v2/Net.IOB";
    char* argv[] = {name, platform, offscreen, file, nullptr};
    CConverterApp application(argc, argv);
    SeenMainDialog seen;
    ModalScript script;
    script.Then(ReadAndEscape(seen));
    EXPECT_EQ(application.Run(), 0);
    EXPECT_EQ(argc, 2);
    EXPECT_EQ(seen.iobField, "/jobs/net.v2/Net.IOB");
    EXPECT_EQ(seen.outputField, "/jobs/net.v2/Net.txt");
}

// "Open with" on several files: one window converts them all, each beside
// itself, and says so once.
TEST(CConverterApp, SeveralArgumentsAreConvertedInOneWindowWithOneSummary) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    std::vector<QByteArray> files;
    for (const char* example : {"header", "vector", "stations"}) {
        WriteBytes(folder.filePath(QString(example) + ".iob"), ReadBytes(ExamplePath(QString(example) + ".iob")));
        files.push_back(folder.filePath(QString(example) + ".iob").toLocal8Bit());
    }
    char name[] = "IobToQuorvane";
    char* argv[] = {name, files[0].data(), files[1].data(), files[2].data(), nullptr};
    int argc = 4;
    CConverterApp application(argc, argv);
    SeenBox summary;
    SeenMainDialog seen;
    ModalScript script;
    script.Then(PressOk(summary)).Then(ReadAndEscape(seen));
    EXPECT_EQ(application.Run(), 0);
    EXPECT_EQ(summary.text, "3 of 3 files converted");
    EXPECT_EQ(summary.informativeText.count('\n'), 2);
    EXPECT_TRUE(summary.informativeText.startsWith(folder.filePath("header.iob") + ": converted into " +
                                                   folder.filePath("header.txt") + ", 0 stations"));
    for (const char* example : {"header", "vector", "stations"}) {
        EXPECT_EQ(ReadBytes(folder.filePath(QString(example) + ".txt")),
                  ReadBytes(ExamplePath(QString(example) + ".txt")));
    }
    EXPECT_EQ(seen.iobField, "");
    EXPECT_EQ(script.Pending(), 0u);
}

// The argument is bytes, as "Open with" passes them: one that is not UTF-8
// reaches the fields whole (each such byte stands as an escape).
TEST(CConverterApp, ArgumentThatIsNotUtf8ReachesTheFieldsWhole) {
    int argc = 2;
    char name[] = "IobToQuorvane", file[] = "/jobs/r\xE9seau.iob";
    char* argv[] = {name, file, nullptr};
    CConverterApp application(argc, argv);
    SeenMainDialog seen;
    ModalScript script;
    script.Then(ReadAndEscape(seen));
    EXPECT_EQ(application.Run(), 0);
    EXPECT_EQ(seen.iobField, "/jobs/r" + QString(QChar(0xDCE9)) + "seau.iob");
    EXPECT_EQ(seen.outputField, "/jobs/r" + QString(QChar(0xDCE9)) + "seau.txt");
}

// The window class of X11 is Qt's application name.
TEST(CConverterApp, WindowClassIsTheDesktopEntrysStartupWMClassWhateverTheExecutableIsCalled) {
    int argc = 1;
    char name[] = "/opt/survey/renamed-copy";
    char* argv[] = {name, nullptr};
    CConverterApp application(argc, argv);
    QFile entry(IOB_DESKTOP_ENTRY);
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly | QIODevice::Text));
    QString startupClass;
    while (!entry.atEnd()) {
        const QString line = QString::fromUtf8(entry.readLine()).trimmed();
        if (line.startsWith("StartupWMClass=")) startupClass = line.mid(15);
    }
    EXPECT_EQ(startupClass, "IobToQuorvane");
    EXPECT_EQ(QCoreApplication::applicationName(), startupClass);
    EXPECT_EQ(QGuiApplication::desktopFileName(), "org.iobtoquorvane.IobToQuorvane");
}
