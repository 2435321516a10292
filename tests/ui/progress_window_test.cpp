// A long conversion shows the progress window while a worker thread
// converts, then the message box reports it as before. A short one shows
// none: every other conversion test would meet it as an unexpected window.
#include <QLabel>
#include <QProgressBar>

#include "convert_dialog_fixture.h"
#include "iob_records.h"
#include "test_files.h"

TEST_F(ConvertDialogTest, WgtGroupOf600VectorsShowsTheProgressWindowUntilItsMessage) {
    // 1.6 s here, more under Wine or a sanitizer.
    WriteBytes(Path("group.iob"), QByteArray::fromStdString(iob::WgtGroupFile(600)));
    QString title, text;
    int steps = -1;  // the bar's last position
    SeenBox box;
    script_
        .Then([&](QWidget* window) {
            const auto* bar = window->findChild<QProgressBar*>();
            ASSERT_NE(bar, nullptr) << window->windowTitle().toStdString();
            title = window->windowTitle();
            text = window->findChild<QLabel*>()->text();
            steps = bar->value();
            QObject::connect(bar, &QProgressBar::valueChanged, [&steps](int value) { steps = value; });
            // Commands queued before the dialog was blocked neither convert again nor end it.
            controls_.convert->click();
            dialog_.reject();
        })
        .Then(PressOk(box));
    Type(controls_.iobField, Path("group.iob"));
    Type(controls_.outputField, Path("out.txt"));
    QTest::mouseClick(controls_.convert, Qt::LeftButton);
    EXPECT_EQ(title, "Conversion in Progress");
    EXPECT_EQ(text, "Converting " + Path("group.iob"));
    // The weights are inverted after the last pass has read them: the bar stands full meanwhile.
    EXPECT_EQ(steps, 1000);
    EXPECT_EQ(box.text, "Success - the results are in " + Path("out.txt"));
    EXPECT_EQ(box.informativeText, "0 stations, 600 GPS vectors in 1 group");
    EXPECT_EQ(ReadBytes(Path("out.txt")).count("$GPS_COMPACT; "), 600);
    EXPECT_TRUE(dialog_.isVisible());
    ExpectScriptDone();
}
