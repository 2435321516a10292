// A long conversion shows the progress window while a worker thread
// converts, then the message box reports it as before.
#include <QLabel>
#include <QProgressBar>

#include "background_conversion.h"
#include "convert_dialog_fixture.h"
#include "iob_records.h"
#include "test_files.h"

namespace {

struct SeenProgress {
    QString title, text;
    int steps = -1;  // the bar's last position
};

ModalScript::Step WatchProgress(SeenProgress& seen) {
    return [&seen](QWidget* window) {
        seen.title = window->windowTitle();
        const auto* bar = window->findChild<QProgressBar*>();
        if (bar == nullptr) return void(window->close());
        seen.text = window->findChild<QLabel*>()->text();
        seen.steps = bar->value();
        QObject::connect(bar, &QProgressBar::valueChanged, [&seen](int steps) { seen.steps = steps; });
    };
}

}  // namespace

// A short conversion shows none: every other conversion test would meet it
// as an unexpected window.
TEST_F(ConvertDialogTest, WgtGroupOf600VectorsShowsTheProgressWindowUntilItsMessage) {
    // 1.6 s here, more under Wine or a sanitizer.
    WriteBytes(Path("group.iob"), QByteArray::fromStdString(iob::WgtGroupFile(600)));
    SeenProgress progress;
    SeenBox box;
    script_.Then(WatchProgress(progress)).Then(PressOk(box));
    Type(controls_.iobField, Path("group.iob"));
    Type(controls_.outputField, Path("out.txt"));
    QTest::mouseClick(controls_.convert, Qt::LeftButton);
    EXPECT_EQ(progress.title, "Conversion in Progress");
    EXPECT_EQ(progress.text, "Converting " + Path("group.iob"));
    // The weights are inverted after the last pass has read them: the bar stands full meanwhile.
    EXPECT_EQ(progress.steps, 1000);
    EXPECT_EQ(box.text, "Success - the results are in " + Path("out.txt"));
    EXPECT_EQ(box.informativeText, "0 stations, 600 GPS vectors in 1 group");
    EXPECT_EQ(ReadBytes(Path("out.txt")).count("$GPS_COMPACT; "), 600);
    ExpectScriptDone();
}

TEST(ProgressSteps, EachPassFillsAThirdOfTheBar) {
    EXPECT_EQ(ProgressSteps(1, 0.5), 167);
    EXPECT_EQ(ProgressSteps(2, 0.0), 333);
    EXPECT_EQ(ProgressSteps(3, 1.0), 1000);
}
