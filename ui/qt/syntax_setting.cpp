#include <QSettings>

#include "syntax_setting.h"

namespace {

constexpr const char* kKey = "output/singleLineSyntax";

// The user's settings of the program, whatever the application object calls itself.
QSettings UserSettings() { return QSettings(QStringLiteral("IobToQuorvane"), QStringLiteral("IobToQuorvane")); }

}  // namespace

// QSettings writes a flag as "true" or "false"; any other text was not
// written by the program and is no choice.
iob::OutputSyntax StoredSyntax() {
    return UserSettings().value(kKey).toString() == QLatin1String("true") ? iob::OutputSyntax::kSingleLine
                                                                          : iob::OutputSyntax::kCompact;
}

void StoreSyntax(iob::OutputSyntax syntax) { UserSettings().setValue(kKey, syntax == iob::OutputSyntax::kSingleLine); }
