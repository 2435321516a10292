#include "convert_dialog.h"

#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <memory>
#include <new>

#include <iob/convert_files.h>

#include "about_dialog.h"
#include "app_icon.h"
#include "browse_file_dialog.h"
#include "browse_start_folder.h"
#include "busy_cursor.h"
#include "dialog_builder.h"
#include "message_box.h"
#include "module_directory.h"
#include "path_case.h"
#include "window_flags.h"
#include "window_menu.h"

namespace {

std::string FileNameOf(const QLineEdit& field) { return QFile::encodeName(field.text()).toStdString(); }

QString FieldTextOf(const std::string& fileName) { return QFile::decodeName(fileName.c_str()); }

}  // namespace

CConvertDialog::CConvertDialog(QWidget* parent)
    : QDialog(parent, kDialogWindowFlags),
      icon_(QPixmap(AppIconXpm())),
      previousPresenter_(iob::SetMessagePresenter(MessageBoxPresenter(this))) {
    const auto controls = BuildDialog(*this, ConvertDialogTemplate(), icon_.pixmap(kAppIconSize, kAppIconSize));
    iobField_ = static_cast<QLineEdit*>(controls.at(kIdIobName));
    outputField_ = static_cast<QLineEdit*>(controls.at(kIdOutputName));
    const auto button = [&controls](int id) { return static_cast<QPushButton*>(controls.at(id)); };
    connect(button(kIdBrowseIob), &QPushButton::clicked, this, &CConvertDialog::OnBrowseIob);
    connect(button(kIdBrowseOutput), &QPushButton::clicked, this, &CConvertDialog::OnBrowseOutput);
    connect(button(kIdConvert), &QPushButton::clicked, this, &CConvertDialog::OnConvert);
    connect(button(kIdCancel), &QPushButton::clicked, this, &QDialog::reject);
    setWindowIcon(icon_);
    FillFields();
    iobField_->setFocus();
}

CConvertDialog::~CConvertDialog() { iob::SetMessagePresenter(previousPresenter_); }

void CConvertDialog::keyPressEvent(QKeyEvent* event) {
    const bool enter = (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
                       (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (enter) {
        if (auto* button = qobject_cast<QPushButton*>(focusWidget())) {
            button->click();
        } else {
            OnOK();
        }
        return;
    }
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        ShowWindowMenu(mapToGlobal(QPoint(0, 0)));
        return;
    }
    QDialog::keyPressEvent(event);
}

void CConvertDialog::contextMenuEvent(QContextMenuEvent* event) {
    ShowWindowMenu(event->reason() == QContextMenuEvent::Mouse ? event->globalPos() : mapToGlobal(QPoint(0, 0)));
}

// The fields are not rewritten: they keep showing what the user typed,
// blanks included, while the names are trimmed.
void CConvertDialog::OnConvert() {
    ReadFields();
    BusyCursor busy;
    iob::ConvertFiles(settings_, iobFileName_, outputFileName_);
}

void CConvertDialog::OnBrowseIob() {
    ReadFields();
    BrowseForFile(kBrowseIob);
}

void CConvertDialog::OnBrowseOutput() {
    ReadFields();
    BrowseForFile(kBrowseOutput);
}

void CConvertDialog::OnOK() {
    ReadFields();
    accept();
}

void CConvertDialog::OnAbout() {
    CAboutDialog about(icon_, this);
    about.exec();
}

// Both names were read from the fields first, so filling both fields again
// keeps what the user typed into the other one.
void CConvertDialog::BrowseForFile(BrowseSelector selector) {
    const bool iob = selector == kBrowseIob;
    const BrowseStartPlaces places{FieldTextOf(iob ? iobFileName_ : outputFileName_),
                                   FieldTextOf(iob ? outputFileName_ : iobFileName_), QDir::currentPath(),
                                   FieldTextOf(ProgramBrowseFolder(GetModuleDirectory())), QDir::homePath()};
    std::unique_ptr<CBrowseFileDialog> dialog(new (std::nothrow) CBrowseFileDialog(
        iob::LoadString(iob ? iob::kMsgIobFilter : iob::kMsgOutputFilter), nullptr));
    if (!dialog) {
        iob::ShowOutOfMemory();
        return;
    }
    dialog->setDirectory(BrowseStartFolder(places, FileSystemFolderChecks()));
    dialog->setWindowTitle(
        QString::fromUtf8(iob::LoadString(iob ? iob::kMsgIobBrowseTitle : iob::kMsgOutputBrowseTitle)));
    // It has no owner to take the icon from.
    dialog->setWindowIcon(icon_);
    if (dialog->exec() != QDialog::Accepted) return;
    const std::string chosen = QFile::encodeName(ChosenPathCase(dialog->selectedFiles().value(0))).toStdString();
    (iob ? iobFileName_ : outputFileName_) = chosen;
    FillFields();
}

void CConvertDialog::ShowWindowMenu(const QPoint& globalPosition) {
    QMenu menu(this);
    AddWindowCommands(menu, *this);
    QAction* about = nullptr;
    const QString aboutText = QString::fromUtf8(iob::LoadString(iob::kMsgAboutMenuEntry));
    if (!aboutText.isEmpty()) {
        menu.addSeparator();
        about = menu.addAction(aboutText);
    }
    QAction* chosen = menu.exec(globalPosition);
    if (chosen != nullptr && chosen == about) OnAbout();
}

void CConvertDialog::ReadFields() {
    iobFileName_ = FileNameOf(*iobField_);
    outputFileName_ = FileNameOf(*outputField_);
}

void CConvertDialog::FillFields() {
    iobField_->setText(FieldTextOf(iobFileName_));
    outputField_->setText(FieldTextOf(outputFileName_));
}
