#include "message_box.h"

#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>

#include "application_title.h"
#include "report_parts.h"

iob::MessagePresenter MessageBoxPresenter(QWidget* owner) {
    return [owner](unsigned, unsigned boxType, const std::string& text, const std::string& details) {
        const bool question = boxType == iob::kBoxYesNoDefaultNo;
        QMessageBox box(QMessageBox::Warning, QFile::decodeName(ApplicationTitle().c_str()),
                        QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size())),
                        question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, owner);
        if (question) box.setDefaultButton(QMessageBox::No);
        // File names are shown as typed, even those that look like markup.
        box.setTextFormat(Qt::PlainText);
        // What a conversion converted and did not, beneath its message; record
        // types come from the file, so they are plain text too.
        // A report longer than a screenful shows its first lines and keeps
        // the rest in the details area that the user opens.
        const ReportParts parts = SplitReport(details);
        if (!parts.shown.empty()) {
            box.setInformativeText(
                QString::fromLocal8Bit(parts.shown.data(), static_cast<qsizetype>(parts.shown.size())));
            if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel"))) {
                label->setTextFormat(Qt::PlainText);
                label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
            }
        }
        if (!parts.rest.empty()) {
            box.setDetailedText(QString::fromLocal8Bit(parts.rest.data(), static_cast<qsizetype>(parts.rest.size())));
        }
        // The message and its report can be selected and copied.
        box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        // A message shown from within a conversion is read with the ordinary pointer.
        const bool busy = QGuiApplication::overrideCursor() != nullptr;
        if (busy) QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
        const int pressed = box.exec();
        if (busy) QGuiApplication::restoreOverrideCursor();
        if (!question) return iob::kButtonOk;
        return pressed == QMessageBox::Yes ? iob::kButtonYes : iob::kButtonNo;
    };
}
