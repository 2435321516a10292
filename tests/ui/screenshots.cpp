// Writes the pictures of the README: the main dialog and the About box,
// as the program lays them out. Usage: ui_screenshots FOLDER
#include <QApplication>
#include <QDir>

#include "about_dialog.h"
#include "app_icon.h"
#include "convert_dialog.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc != 2) return 2;
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    CConvertDialog dialog;
    dialog.show();
    CAboutDialog about(QIcon(QPixmap(AppIconXpm())), &dialog);
    about.show();
    QApplication::processEvents();
    const bool saved = dialog.grab().save(folder.filePath("main-dialog.png")) &&
                       about.grab().save(folder.filePath("about-box.png"));
    return saved ? 0 : 1;
}
