#include "file_filter.h"

#include "filter_pairs.h"

QStringList NameFiltersOf(const char* filterText) {
    QStringList filters;
    for (const FilterPair& pair : FilterPairsOf(filterText)) {
        const QString pattern = pair.pattern == "*.*" ? QStringLiteral("*") : QString::fromStdString(pair.pattern);
        filters.append(QString::fromStdString(pair.description) + QStringLiteral(" (") + pattern + u')');
    }
    return filters;
}
