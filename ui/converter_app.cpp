#include "converter_app.h"

#include "convert_dialog.h"

CConverterApp::CConverterApp(int& argc, char** argv) : application_(argc, argv) {}

int CConverterApp::Run() {
    CConvertDialog dialog;
    dialog.exec();
    return 0;
}
