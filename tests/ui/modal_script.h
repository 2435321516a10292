// A scripted user for the windows that an action under test opens and
// waits on: message boxes, file dialogs, the About box, pop-up menus. Each
// step is played on the next such window that appears, while the action's
// own modal loop runs; a window that appears when no step is left is noted
// and closed, so that a test fails instead of hanging.
#pragma once

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <deque>
#include <functional>

class ModalScript : public QObject {
public:
    using Step = std::function<void(QWidget*)>;

    ModalScript();

    // Appends a step; returns *this for chaining.
    ModalScript& Then(Step step);

    // Steps not played yet.
    std::size_t Pending() const { return steps_.size(); }
    // Windows met with no step left for them (their titles).
    const QStringList& Unexpected() const { return unexpected_; }

private:
    void Poll();

    QTimer timer_;
    std::deque<Step> steps_;
    QPointer<QWidget> last_;
    QStringList unexpected_;
};

// Steps for message boxes: note the text (and the box) and press OK, or
// another of its buttons.
struct SeenBox {
    QString caption;
    QString text;
    QString informativeText;
    QString detailedText;  // the details area's, opened by the user
    bool informativeTextIsPlain = false;
    bool textsSelectable = false;  // the message and the report beneath it
    int icon = 0;
    bool okIsTheOnlyButton = false;
    bool yesAndNoWithNoDefault = false;
    QWidget* owner = nullptr;
    bool textIsPlain = false;
    bool arrowCursor = false;  // the ordinary pointer, not the busy one
};
ModalScript::Step PressOk(QStringList& texts);
ModalScript::Step PressOk(SeenBox& seen);
ModalScript::Step Answer(SeenBox& seen, QMessageBox::StandardButton button);

// Closes whatever window it is given with Escape.
ModalScript::Step PressEscape();
