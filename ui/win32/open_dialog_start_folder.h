// The start folder handed to the system's open dialog. The dialog copies it
// into buffers of MAX_PATH characters: a longer name, which a field may
// well name (long paths are declared in the manifest), crashes it under
// Wine. So the dialog starts in the nearest folder it can take instead.
#pragma once

#include <functional>
#include <string>

// `folder` itself, or else the nearest folder above it, whose name fits in
// MAX_PATH (with its final NUL) and that `isFolder`; empty when there is
// none, and then the dialog starts where the system chooses.
// "C:\jobs\<300 characters>" -> "C:\jobs".
std::string OpenDialogStartFolder(const std::string& folder, const std::function<bool(const std::string&)>& isFolder);

// The rule on the running system's folders.
std::string OpenDialogStartFolder(const std::string& folder);
