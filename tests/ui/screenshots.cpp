// Writes the pictures of the README: the main dialog, the About box, the
// IOB Browse dialog over a folder of the examples, the progress window of a
// long conversion, the report of a partial conversion and the question before
// it is converted again, a report beyond a screenful with its details open
// and the summary of three files converted at once, as the program lays
// them out.
// Usage: ui_screenshots FOLDER
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <memory>
#include <string>
#include <vector>

#include <iob/show_message.h>
#include <iob/string_table.h>

#include "about_dialog.h"
#include "app_icon.h"
#include "browse_file_dialog.h"
#include "convert_dialog.h"
#include "convert_dialog_controls.h"
#include "progress_window.h"
#include "window_icon.h"

namespace {

// The examples, copied into a folder whose name says what it holds.
bool CopyExamples(const QTemporaryDir& jobs) {
    const QDir examples(QStringLiteral(IOB_EXAMPLES_DIR));
    for (const QString& name : examples.entryList(QDir::Files)) {
        if (!QFile::copy(examples.filePath(name), jobs.filePath(name))) return false;
    }
    return true;
}

// The file dialog reads its folder in a thread of its own; waits until it lists `rows` names.
void WaitForListing(QFileDialog& dialog, int rows) {
    const auto* list = dialog.findChild<QListView*>(QStringLiteral("listView"));
    QElapsedTimer timer;
    timer.start();
    while (list->model()->rowCount(list->rootIndex()) < rows && timer.elapsed() < 5000) {
        QApplication::processEvents();
        QThread::msleep(10);
    }
    QApplication::processEvents();
}

// Grabs the next message box into `picture` (none when empty) and ends it
// with `answer`; the boxes after it, up to `followers`, are ended with OK.
void GrabNextBox(const QString& picture, QMessageBox::StandardButton answer, bool* saved, int followers = 0) {
    QTimer::singleShot(200, [=] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            if (!picture.isEmpty()) *saved = box->grab().save(picture);
            if (followers > 0) GrabNextBox(QString(), QMessageBox::Ok, saved, followers - 1);
            box->button(answer)->click();
        }
    });
}

// Converts a file with records the converter does not read, grabs the
// message box that shows and ends it with `answer` (after No, the message
// that nothing was written follows).
bool SaveReportPicture(CConvertDialog& dialog, const QTemporaryDir& jobs, const QString& picture,
                       QMessageBox::StandardButton answer) {
    QFile iob(jobs.filePath("survey.iob"));
    if (!iob.open(QIODevice::WriteOnly)) return false;
    iob.write(" TITL Control survey 2026\n"
              " PLH      BM-2041      N 45 30 12.345600 W 75 05 59.876543      123.456 ft\n"
              " DIST     BM-2041      BM-2042          1234.5678\n"
              " DIST     BM-2042      BM-2043           987.6543\n"
              " DXYZ     BM-2041      BM-2042          1234.5678    -2345.6789      345.1234 m\n"
              " COV  CT DIAG\n"
              " ELEM                 4.0E-06                 5.0E-07                -3.0E-07 m\n"
              " DXYZ     BM-2042      BM-2043          1234.5678    -2345.6789      345.1234 m\n");
    iob.close();
    ConvertDialogControls controls(dialog);
    controls.iobField->setText(iob.fileName());
    controls.outputField->setText(jobs.filePath("survey.txt"));
    bool saved = false;
    GrabNextBox(picture, answer, &saved, answer == QMessageBox::No ? 1 : 0);
    controls.convert->click();
    return saved;
}

// A report of 30 lines: a screenful beneath the message, the rest in the
// details area, opened.
bool SaveLongReportPicture(const QString& picture) {
    std::string report = "12 stations, 30 GPS vectors in 10 groups";
    for (int line = 1; line < 30; ++line) {
        report += "\nRead with doubt: '12,3456' in columns 60-71 on line " + std::to_string(line * 7) + ", read as 12";
    }
    bool saved = false;
    QTimer::singleShot(200, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            for (QAbstractButton* button : box->findChildren<QAbstractButton*>()) {
                if (box->buttonRole(button) == QMessageBox::ActionRole) button->click();
            }
            QApplication::processEvents();
            saved = box->grab().save(picture);
            box->button(QMessageBox::Ok)->click();
        }
    });
    iob::PresentMessage(iob::kMsgSuccess, iob::kBoxOk, "Success - the results are in /survey/jobs/net.txt", report);
    return saved;
}

// Three examples given at once: the summary of the three.
bool SaveSummaryPicture(CConvertDialog& dialog, const QTemporaryDir& jobs, const QString& picture) {
    std::vector<std::string> names;
    for (const char* name : {"network.iob", "stations.iob", "survey.iob"}) {
        names.emplace_back(jobs.filePath(name).toStdString());
    }
    bool saved = false;
    // The outputs exist from the pictures before: the question first.
    GrabNextBox(QString(), QMessageBox::Yes, &saved);
    QTimer::singleShot(300, [&] { GrabNextBox(picture, QMessageBox::Ok, &saved); });
    dialog.ConvertOnceShown(names);
    QElapsedTimer timer;
    timer.start();
    while (!saved && timer.elapsed() < 5000) QApplication::processEvents();
    return saved;
}

}  // namespace

int main(int argc, char** argv) {
    // The pictures show the dialog as it first opens, whatever the user's settings hold.
    const QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(settings.path()));
    QApplication application(argc, argv);
    if (argc != 2) return 2;
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const QTemporaryDir jobs(QDir::tempPath() + QStringLiteral("/survey-jobs-XXXXXX"));
    if (!CopyExamples(jobs)) return 1;

    CConvertDialog dialog;
    dialog.show();
    CAboutDialog about(AppIcon(), &dialog);
    about.show();
    CBrowseFileDialog browse(iob::LoadString(iob::kMsgIobFilter), nullptr);
    browse.setWindowTitle(QString::fromUtf8(iob::LoadString(iob::kMsgIobBrowseTitle)));
    browse.setDirectory(jobs.path());
    browse.setViewMode(QFileDialog::Detail);
    browse.show();
    WaitForListing(browse, 5);
    const bool saved = dialog.grab().save(folder.filePath("main-dialog.png")) &&
                       about.grab().save(folder.filePath("about-box.png")) &&
                       browse.grab().save(folder.filePath("browse-dialog.png"));
    about.hide();
    browse.hide();
    // Half-way through the second pass of three.
    const std::string converting =
        iob::FormatMessage(iob::kMsgConverting, jobs.filePath("network.iob").toUtf8().data());
    auto progress = std::make_unique<CProgressWindow>(QString::fromUtf8(converting.c_str()), &dialog);
    progress->SetSteps(500);
    const bool progressSaved = progress->grab().save(folder.filePath("progress-window.png"));
    progress.reset();
    // Converting it again asks before the output is replaced.
    const bool boxes = SaveReportPicture(dialog, jobs, folder.filePath("report.png"), QMessageBox::Ok) &&
                       SaveReportPicture(dialog, jobs, folder.filePath("replace-question.png"), QMessageBox::No) &&
                       SaveLongReportPicture(folder.filePath("long-report.png")) &&
                       SaveSummaryPicture(dialog, jobs, folder.filePath("several-files.png"));
    return saved && progressSaved && boxes ? 0 : 1;
}
