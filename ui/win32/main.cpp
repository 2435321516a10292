// IobToQuorvane.exe: the program ends when its main dialog ends. Its one
// optional argument is an IOB file name.
#include "converter_app.h"
#include "iob_file_argument.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    CConverterApp application(IobFileArgument(GetCommandLineW()));
    application.Run();
    return 0;
}
