// A conversion from the dialog runs on a worker thread, so that the dialog
// keeps repainting; one that takes longer than about half a second shows the
// modal progress window meanwhile. Its outcome and its message are those of
// iob::ConvertFiles.
#pragma once

#include <string>

#include <iob/convert_files.h>

#include "progress_view.h"

// How a conversion in the background ended: as iob::ConvertFiles tells it,
// with the text of the message it showed or held.
struct BackgroundOutcome {
    iob::FilesOutcome files;
    std::string messageText;
};

// Converts as iob::ConvertFiles does, into `syntax`, trimming both names in
// place, and naming every file by its full path in its message; shows that
// message on the calling (UI) thread once the worker has ended, unless
// `showMessage` is false (several files end in one summary). The worker
// alone touches the arguments until then.
BackgroundOutcome ConvertInBackground(std::string& iobName, std::string& outputName, iob::OutputSyntax syntax,
                                      ConversionProgressView& view, bool showMessage = true);
