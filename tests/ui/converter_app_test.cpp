// Start-up and end of the program: the application object runs the one
// main dialog modally and returns when it ends. Each test makes its own
// application, as the program does.
#include <QDialog>
#include <QFile>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

#include "convert_dialog_controls.h"
#include "converter_app.h"
#include "modal_script.h"
#include "qt_printers.h"

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

TEST(CConverterApp, FirstArgumentBeyondTheToolkitsFillsTheIobFieldAndTheRestAreIgnored) {
    int argc = 5;
    char name[] = "IobToQuorvane", platform[] = "-platform", offscreen[] = "offscreen";
    char file[] = "/jobs/net.v2/Net.IOB", extra[] = "other.iob";
    char* argv[] = {name, platform, offscreen, file, extra, nullptr};
    CConverterApp application(argc, argv);
    SeenMainDialog seen;
    ModalScript script;
    script.Then(ReadAndEscape(seen));
    EXPECT_EQ(application.Run(), 0);
    EXPECT_EQ(argc, 3);
    EXPECT_EQ(seen.iobField, "/jobs/net.v2/Net.IOB");
    EXPECT_EQ(seen.outputField, "/jobs/net.v2/Net.txt");
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
