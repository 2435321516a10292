#include "desktop_session_check.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <iob/string_table.h>

namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

// Qt's message handler is a plain function, so what it holds lives here.
QtMessageHandler previousHandler = nullptr;
std::vector<HeldMessage> heldMessages;

void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", iob::LoadString(iob::kMsgNeedsDesktopSession));
        // Half made, the application must not be torn down.
        std::_Exit(1);
    }
    heldMessages.push_back(HeldMessage{type, QByteArray(context.category), text});
}

}  // namespace

DesktopSessionCheck::DesktopSessionCheck() { previousHandler = qInstallMessageHandler(HoldMessage); }

DesktopSessionCheck::~DesktopSessionCheck() { Release(); }

void DesktopSessionCheck::Release() {
    if (released_) return;
    released_ = true;
    qInstallMessageHandler(previousHandler);
    for (const HeldMessage& message : heldMessages) {
        const QMessageLogContext context(nullptr, 0, nullptr,
                                         message.category.isNull() ? nullptr : message.category.constData());
        previousHandler(message.type, context, message.text);
    }
    heldMessages.clear();
}
