// The output syntax last chosen in the dialog, kept between runs in the
// desktop program's settings: the user's QSettings on Linux (organisation
// and application "IobToQuorvane", key "output/singleLineSyntax"), the
// registry on Windows (HKEY_CURRENT_USER\Software\IobToQuorvane\IobToQuorvane,
// the DWORD value "SingleLineSyntax"). Each shell defines both with its
// platform's store.
#pragma once

#include <iob/output_syntax.h>

// The compact syntax, the default, unless the single-line one is stored:
// a setting that is missing or cannot be read is no choice.
iob::OutputSyntax StoredSyntax();

// A store that refuses the change only loses it for the next run: the
// dialog converts as its box stands.
void StoreSyntax(iob::OutputSyntax syntax);
