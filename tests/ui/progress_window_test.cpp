// A long conversion shows the progress window while a worker thread
// converts; a short one does not. Either way the same file is written and
// the same message box reports it.
#include <QLabel>
#include <QProgressBar>

#include "background_conversion.h"
#include "convert_dialog_fixture.h"
#include "iob_records.h"
#include "test_files.h"

namespace {

// 1.6 s here, more under Wine or a sanitizer.
constexpr int kSlowVectors = 600;

struct SeenProgress {
    QString title;
    QString text;
    int steps = -1;  // the bar's last
};

ModalScript::Step WatchProgress(SeenProgress& seen) {
    return [&seen](QWidget* window) {
        seen.title = window->windowTitle();
        const auto* bar = window->findChild<QProgressBar*>();
        if (bar == nullptr) {
            window->close();
            return;
        }
        seen.text = window->findChild<QLabel*>()->text();
        seen.steps = bar->value();
        QObject::connect(bar, &QProgressBar::valueChanged, [&seen](int steps) { seen.steps = steps; });
    };
}

}  // namespace

TEST_F(ConvertDialogTest, OnlyALongConversionShowsItsProgressWindow) {
    WriteBytes(Path("group.iob"), QByteArray::fromStdString(iob::WgtGroupFile(kSlowVectors)));
    const struct {
        const char* shape;
        QString iobName, report, progressTitle;
        qsizetype vectors;
    } cases[] = {
        {"a WGT group of 600 vectors", Path("group.iob"), "0 stations, 600 GPS vectors in 1 group",
         "Conversion in Progress", kSlowVectors},
        {"three vectors", ExamplePath("network.iob"),
         "3 stations, 3 GPS vectors in 2 groups\n"
         "Not converted: 1 data line after the END record on line 25, which ends the data",
         "", 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shape);
        SeenProgress progress;
        SeenBox box;
        if (!c.progressTitle.isEmpty()) script_.Then(WatchProgress(progress));
        script_.Then(PressOk(box));
        Type(controls_.iobField, c.iobName);
        Type(controls_.outputField, Path("out.txt"));
        QTest::mouseClick(controls_.convert, Qt::LeftButton);
        EXPECT_EQ(progress.title, c.progressTitle);
        EXPECT_EQ(progress.text, c.progressTitle.isEmpty() ? "" : "Converting " + c.iobName);
        // The weights are inverted once the last pass has read them: the bar stands full meanwhile.
        EXPECT_EQ(progress.steps, c.progressTitle.isEmpty() ? -1 : 1000);
        EXPECT_EQ(box.text, "Success - the results are in " + Path("out.txt"));
        EXPECT_EQ(box.informativeText, c.report);
        EXPECT_EQ(ReadBytes(Path("out.txt")).count("$GPS_COMPACT; "), c.vectors);
        ExpectScriptDone();
    }
}

TEST(ProgressSteps, EachPassFillsAThirdOfTheBar) {
    EXPECT_EQ(ProgressSteps(1, 0.0), 0);
    EXPECT_EQ(ProgressSteps(1, 0.5), 167);
    EXPECT_EQ(ProgressSteps(2, 0.0), 333);
    EXPECT_EQ(ProgressSteps(3, 1.0), 1000);
}
