#include "converter_app.h"

int main(int argc, char* argv[]) {
    CConverterApp application(argc, argv);
    return application.Run();
}
