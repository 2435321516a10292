// Writes the pictures of the README: the main dialog, the About box and
// the IOB Browse dialog over a folder of the examples, as the program lays
// them out. Usage: ui_screenshots FOLDER
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QListView>
#include <QTemporaryDir>
#include <QThread>

#include <iob/string_table.h>

#include "about_dialog.h"
#include "app_icon.h"
#include "browse_file_dialog.h"
#include "convert_dialog.h"

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

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc != 2) return 2;
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const QTemporaryDir jobs(QDir::tempPath() + QStringLiteral("/survey-jobs-XXXXXX"));
    if (!CopyExamples(jobs)) return 1;

    CConvertDialog dialog;
    dialog.show();
    CAboutDialog about(QIcon(QPixmap(AppIconXpm())), &dialog);
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
    return saved ? 0 : 1;
}
