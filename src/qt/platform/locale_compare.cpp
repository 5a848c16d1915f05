// Ordering texts the way the user's language sorts them, for the sortable list columns.
#include "platform/locale_compare.h"

int LocaleCompare(const QString& a, const QString& b) {
    const int byLocale = QString::localeAwareCompare(a, b);
    const int order = byLocale != 0 ? byLocale : QString::compare(a, b, Qt::CaseSensitive);
    return (order > 0) - (order < 0);
}
