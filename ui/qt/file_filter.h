// Filter texts of the string table ("Description|pattern|...||") as Qt
// name filters.
#pragma once

#include <QStringList>

// Each pair becomes "Description (pattern)"; the dialog shows the
// description alone. "*.*" means every file, as on the system the texts
// were written for, and becomes "*", which also matches names without a dot.
// "IOB File (*.iob)|*.iob|All Files (*.*)| *.*||"
//   -> {"IOB File (*.iob) (*.iob)", "All Files (*.*) (*)"}
QStringList NameFiltersOf(const char* filterText);
