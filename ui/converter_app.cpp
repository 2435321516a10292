#include "converter_app.h"

#include "convert_dialog.h"

CConverterApp::CConverterApp(int& argc, char** argv) : application_(argc, argv) {
    // Wayland compositors find the window's icon and name through the
    // installed desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.iobtoquorvane.IobToQuorvane"));
}

int CConverterApp::Run() {
    CConvertDialog dialog;
    dialog.exec();
    return 0;
}
