#include "background_conversion.h"

#include <atomic>
#include <chrono>
#include <future>
#include <system_error>

#include <iob/convert_files.h>
#include <iob/show_message.h>

#include "held_messages.h"
#include "progress_steps.h"

namespace {

// A conversion shorter than this never shows the progress window, which
// would only flash.
constexpr std::chrono::milliseconds kProgressDelay(500);
// How often the bar follows the worker.
constexpr int kBarMilliseconds = 50;

// Waits for the worker, with the progress window open from kProgressDelay
// on; however the wait ends, the window closes and the dialog takes input.
void ShowProgressUntilDone(const std::future<void>& worker, const std::string& text, const std::atomic<int>& steps,
                           ConversionProgressView& view) {
    if (worker.wait_for(kProgressDelay) == std::future_status::ready) return;
    view.OpenProgress(text);
    const struct Closer {
        ConversionProgressView& view;
        ~Closer() { view.CloseProgress(); }
    } closer{view};
    do {
        view.SetProgress(steps);
        view.PumpEvents(kBarMilliseconds);
    } while (worker.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready);
}

}  // namespace

BackgroundOutcome ConvertInBackground(std::string& iobName, std::string& outputName, iob::OutputSyntax syntax,
                                      ConversionProgressView& view, bool showMessage) {
    // Made before the worker starts: it trims the names in place.
    const std::string text = iob::FormatMessage(iob::kMsgConverting, iob::TrimFileName(iobName).c_str());
    std::atomic<int> steps{0};
    BackgroundOutcome outcome;
    const auto convert = [&] {
        iob::ConvertFilesOptions options;
        options.progress = [&steps](int pass, double share) { steps = ProgressSteps(pass, share); };
        options.fullPathsInMessages = true;
        options.syntax = syntax;
        outcome.files = iob::ConvertFiles(iobName, outputName, options);
    };
    HeldMessages messages;
    std::future<void> worker;
    try {
        worker = std::async(std::launch::async, convert);
    } catch (const std::system_error&) {
        // No thread to be had (a process limit, say): the conversion runs
        // here on the UI thread, with no progress window, and the dialog
        // repaints once it has ended.
        convert();
    }
    if (worker.valid()) {
        ShowProgressUntilDone(worker, text, steps, view);
        // Hands on what the worker threw, such as std::bad_alloc, as a conversion on this thread would.
        worker.get();
    }
    outcome.messageText = messages.LastText();
    if (showMessage) messages.Show();
    return outcome;
}
