#include "modal_script.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

ModalScript::ModalScript() {
    connect(&timer_, &QTimer::timeout, this, &ModalScript::Poll);
    timer_.start(10);
}

ModalScript& ModalScript::Then(Step step) {
    steps_.push_back(std::move(step));
    return *this;
}

void ModalScript::Poll() {
    QWidget* window = QApplication::activePopupWidget();
    if (window == nullptr) window = QApplication::activeModalWidget();
    if (window == nullptr || !window->isVisible() || window == last_) return;
    last_ = window;
    if (steps_.empty()) {
        unexpected_.append(window->windowTitle());
        window->close();
        return;
    }
    Step step = std::move(steps_.front());
    steps_.pop_front();
    step(window);
}

namespace {

QMessageBox* AsMessageBox(QWidget* window) {
    auto* box = qobject_cast<QMessageBox*>(window);
    if (box == nullptr) {
        ADD_FAILURE() << "expected a message box, got " << window->metaObject()->className();
        window->close();
    }
    return box;
}

}  // namespace

ModalScript::Step PressOk(QStringList& texts) {
    return [&texts](QWidget* window) {
        QMessageBox* box = AsMessageBox(window);
        if (box == nullptr) return;
        texts.append(box->text());
        box->button(QMessageBox::Ok)->click();
    };
}

ModalScript::Step PressOk(SeenBox& seen) { return Answer(seen, QMessageBox::Ok); }

ModalScript::Step Answer(SeenBox& seen, QMessageBox::StandardButton button) {
    return [&seen, button](QWidget* window) {
        QMessageBox* box = AsMessageBox(window);
        if (box == nullptr) return;
        seen.caption = box->windowTitle();
        seen.text = box->text();
        seen.informativeText = box->informativeText();
        const auto* informative = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel"));
        seen.informativeTextIsPlain = informative != nullptr && informative->textFormat() == Qt::PlainText;
        seen.detailedText = box->detailedText();
        const Qt::TextInteractionFlags selectable = Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard;
        seen.textsSelectable =
            (box->textInteractionFlags() & selectable) == selectable &&
            (informative == nullptr || (informative->textInteractionFlags() & selectable) == selectable);
        seen.icon = box->icon();
        seen.okIsTheOnlyButton = box->buttons().size() == 1 && box->button(QMessageBox::Ok) != nullptr;
        seen.yesAndNoWithNoDefault = box->buttons().size() == 2 && box->defaultButton() == box->button(QMessageBox::No);
        seen.owner = box->parentWidget();
        seen.textIsPlain = box->textFormat() == Qt::PlainText;
        const QCursor* cursor = QGuiApplication::overrideCursor();
        seen.arrowCursor = cursor == nullptr || cursor->shape() == Qt::ArrowCursor;
        box->button(button)->click();
    };
}

ModalScript::Step PressEscape() {
    return [](QWidget* window) { QTest::keyClick(window, Qt::Key_Escape); };
}
