#include "convert_dialog.h"

#include <QCheckBox>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QEventLoop>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <memory>

#include "about_dialog.h"
#include "app_icon.h"
#include "browse_file_dialog.h"
#include "busy_cursor.h"
#include "dialog_builder.h"
#include "file_name_text.h"
#include "message_box.h"
#include "progress_window.h"
#include "window_flags.h"
#include "window_icon.h"
#include "window_menu.h"

CConvertDialog::CConvertDialog(const std::string& iobFileName, QWidget* parent)
    : QDialog(parent, kDialogWindowFlags),
      icon_(AppIcon()),
      previousPresenter_(iob::SetMessagePresenter(MessageBoxPresenter(this))),
      flow_(*this, iobFileName) {
    const auto controls = BuildDialog(*this, ConvertDialogTemplate(), icon_.pixmap(kAppIconSize, kAppIconSize));
    iobField_ = static_cast<QLineEdit*>(controls.at(kIdIobName));
    outputField_ = static_cast<QLineEdit*>(controls.at(kIdOutputName));
    syntaxBox_ = static_cast<QCheckBox*>(controls.at(kIdSingleLineSyntax));
    const auto button = [&controls](int id) { return static_cast<QPushButton*>(controls.at(id)); };
    connect(button(kIdBrowseIob), &QPushButton::clicked, this, [this] { flow_.OnBrowseIob(); });
    connect(button(kIdBrowseOutput), &QPushButton::clicked, this, [this] { flow_.OnBrowseOutput(); });
    connect(button(kIdConvert), &QPushButton::clicked, this, &CConvertDialog::OnConvert);
    connect(button(kIdCancel), &QPushButton::clicked, this, &QDialog::reject);
    // The user's click alone, not the box set as stored.
    connect(syntaxBox_, &QCheckBox::clicked, this, [this] { flow_.OnSyntaxChosen(); });
    // The proposal follows the IOB name however it changes.
    connect(iobField_, &QLineEdit::textChanged, this, [this] { flow_.OnIobNameChanged(); });
    // Files dropped anywhere on the dialog are the dialog's, not a field's text.
    setAcceptDrops(true);
    iobField_->setAcceptDrops(false);
    outputField_->setAcceptDrops(false);
    setWindowIcon(icon_);
    flow_.FillControls();
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

void CConvertDialog::ConvertOnceShown(const std::vector<std::string>& iobFileNames) {
    QTimer::singleShot(0, this, [this, iobFileNames] {
        BusyCursor busy;
        flow_.OnFilesGiven(iobFileNames);
    });
}

void CConvertDialog::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CConvertDialog::dropEvent(QDropEvent* event) {
    std::vector<std::string> names;
    for (const QUrl& url : event->mimeData()->urls()) {
        // The path's bytes as the URL encodes them: toLocalFile() would lose
        // those of a name that is not UTF-8.
        if (url.isLocalFile())
            names.push_back(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()).toStdString());
    }
    event->acceptProposedAction();
    BusyCursor busy;
    flow_.OnFilesGiven(names);
}

void CConvertDialog::done(int result) {
    if (!flow_.IsConverting()) QDialog::done(result);
}

void CConvertDialog::OnConvert() {
    BusyCursor busy;
    flow_.OnConvert();
}

void CConvertDialog::OnOK() {
    flow_.OnOK();
    accept();
}

void CConvertDialog::OnAbout() {
    CAboutDialog about(icon_, this);
    about.exec();
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

std::string CConvertDialog::FieldText(NameField field) const {
    return FileNameOf((field == NameField::kIob ? iobField_ : outputField_)->text());
}

void CConvertDialog::SetFieldText(NameField field, const std::string& text) {
    (field == NameField::kIob ? iobField_ : outputField_)->setText(FieldTextOf(text));
}

iob::OutputSyntax CConvertDialog::ChosenSyntax() const {
    return syntaxBox_->isChecked() ? iob::OutputSyntax::kSingleLine : iob::OutputSyntax::kCompact;
}

void CConvertDialog::SetChosenSyntax(iob::OutputSyntax syntax) {
    syntaxBox_->setChecked(syntax == iob::OutputSyntax::kSingleLine);
}

std::vector<std::string> CConvertDialog::ChooseFiles(const FileDialogRequest& request) {
    CBrowseFileDialog dialog(request.filter, nullptr);
    // IOB files exist, and several may be picked at once.
    if (request.severalFiles) dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setDirectory(FieldTextOf(request.startFolder));
    dialog.setWindowTitle(QString::fromUtf8(request.title));
    // It has no owner to take the icon from.
    dialog.setWindowIcon(icon_);
    std::vector<std::string> chosen;
    if (dialog.exec() != QDialog::Accepted) return chosen;
    for (const QString& file : dialog.selectedFiles()) chosen.push_back(FileNameOf(file));
    return chosen;
}

void CConvertDialog::OpenProgress(const std::string& text) {
    progress_ = std::make_unique<CProgressWindow>(
        QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size())), this);
}

void CConvertDialog::SetProgress(int steps) { progress_->SetSteps(steps); }

void CConvertDialog::PumpEvents(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

void CConvertDialog::CloseProgress() { progress_.reset(); }
