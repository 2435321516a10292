#include "about_dialog.h"

#include <QPushButton>

#include "app_icon.h"
#include "dialog_builder.h"
#include "window_flags.h"

CAboutDialog::CAboutDialog(const QIcon& icon, QWidget* parent) : QDialog(parent, kDialogWindowFlags) {
    const auto controls = BuildDialog(*this, AboutDialogTemplate(), icon.pixmap(kAppIconSize, kAppIconSize));
    connect(static_cast<QPushButton*>(controls.at(kIdOk)), &QPushButton::clicked, this, &QDialog::accept);
}
