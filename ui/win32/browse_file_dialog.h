// The file dialog of the two Browse buttons: the system's open dialog,
// owned by the main dialog, which it leaves idle while it runs.
#pragma once

#include "windows_api.h"

#include <string>
#include <vector>

#include "convert_dialog_view.h"

// The request's title and filter pairs, the first pair applied; it starts in
// the request's folder, accepts a name whose file or folder does not exist,
// never asks before a file is replaced and adds no extension. Returns the
// full paths (several when the request allows them), or none after Cancel;
// throws std::bad_alloc when the dialog cannot be made for want of memory.
// The working folder stays as it was, so names typed later are read from
// where they were before.
std::vector<std::string> RunBrowseFileDialog(HWND owner, const FileDialogRequest& request);
