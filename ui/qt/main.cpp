#include <cstdio>
#include <exception>

#include "converter_app.h"

// An exception that escapes the dialogs (out of memory, say) ends the program
// with one line on standard error instead of an abort.
int main(int argc, char* argv[]) {
    try {
        CConverterApp application(argc, argv);
        return application.Run();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "IobToQuorvane: %s\n", error.what());
        return 1;
    }
}
