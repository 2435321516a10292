// A conversion from the dialog runs on a worker thread, so that the dialog
// keeps repainting; one that takes longer than about half a second shows the
// modal progress window meanwhile. Its outcome and its message are those of
// iob::ConvertFiles.
#pragma once

#include <string>

#include <iob/convert.h>

#include "progress_view.h"

// Converts as iob::ConvertFiles does, trimming both names in place, and
// shows its message on the calling (UI) thread once the worker has ended.
// The worker alone touches the arguments until then.
void ConvertInBackground(std::string& iobName, std::string& outputName, ConversionProgressView& view);
