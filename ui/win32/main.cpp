// IobToQuorvane.exe: the program ends when its main dialog ends. No
// command-line argument is read.
#include "converter_app.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    CConverterApp application;
    application.Run();
    return 0;
}
