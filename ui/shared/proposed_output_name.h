// The output name the dialog proposes for an IOB file: the same folder and
// base name with ".txt" ("c:\jobs\net.iob" -> "c:\jobs\net.txt", "net" ->
// "net.txt"). Folders are split as the platform splits them: at "/" and,
// on Windows, at "\" too.
#pragma once

#include <string>

// The empty name when there is none to propose: for a blank name, a name
// that ends in a separator, and a name that ends in ".txt" in any case,
// whose proposal would be the IOB file itself.
std::string ProposedOutputName(const std::string& iobName);
