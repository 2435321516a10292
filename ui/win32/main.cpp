// IobToQuorvane.exe: the program ends when its main dialog ends. Its
// arguments, if any, are IOB file names.
#include "converter_app.h"

#include <exception>
#include <new>
#include <string>

#include <iob/show_message.h>

#include "iob_file_arguments.h"
#include "message_box.h"

namespace {

// What ended the program before or instead of its dialog: a box of its own,
// as a program without a console has no standard error to write one line to.
void ShowFailure(unsigned messageNumber, const std::string& text) {
    MessageBoxPresenter(nullptr)(messageNumber, iob::kBoxOk, text, std::string());
}

}  // namespace

// An exception that escapes the dialog (out of memory, a dialog that cannot
// be made) ends the program with its box and exit status 1 instead of an
// abort; want of memory is told as a conversion tells it.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    try {
        CConverterApp application(IobFileArguments(GetCommandLineW()));
        application.Run();
        return 0;
    } catch (const std::bad_alloc&) {
        ShowFailure(iob::kMsgOutOfMemory, iob::FormatMessage(iob::kMsgOutOfMemory));
    } catch (const std::exception& error) {
        ShowFailure(0, error.what());
    }
    return 1;
}
