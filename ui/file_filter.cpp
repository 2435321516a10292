#include "file_filter.h"

namespace {

QString QtPattern(const QString& pattern) {
    const QString trimmed = pattern.trimmed();
    return trimmed == QStringLiteral("*.*") ? QStringLiteral("*") : trimmed;
}

}  // namespace

QStringList NameFiltersOf(const char* filterText) {
    const QStringList items = QString::fromUtf8(filterText).split(u'|');
    QStringList filters;
    // The text ends with an empty item, so a last description without a pattern is dropped too.
    for (qsizetype i = 0; i + 1 < items.size() && !items[i].isEmpty(); i += 2) {
        filters.append(items[i] + QStringLiteral(" (") + QtPattern(items[i + 1]) + u')');
    }
    return filters;
}
