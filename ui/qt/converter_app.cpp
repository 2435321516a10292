#include "converter_app.h"

#include "convert_dialog.h"

// File names are bytes on Linux, kept as the system gives them.
CConverterApp::CConverterApp(int& argc, char** argv)
    : application_(argc, argv), iobFileNames_(argv + (argc > 1 ? 1 : argc), argv + argc) {
    sessionCheck_.Release();
    // Docks tie a window to its launcher: on Wayland through the desktop
    // entry's name, on X11 through the window class, which Qt takes from the
    // application name and the desktop entry names as StartupWMClass. Set
    // here, it holds for a renamed copy too.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.iobtoquorvane.IobToQuorvane"));
    QCoreApplication::setApplicationName(QStringLiteral("IobToQuorvane"));
}

int CConverterApp::Run() {
    CConvertDialog dialog(iobFileNames_.size() == 1 ? iobFileNames_.front() : std::string());
    if (iobFileNames_.size() > 1) dialog.ConvertOnceShown(iobFileNames_);
    dialog.exec();
    return 0;
}
