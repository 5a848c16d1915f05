// Ordering texts the way the user's language sorts them, for the sortable list columns.
#pragma once

#include <QString>

// Negative, zero or positive as a sorts before, equal to or after b in the default locale's
// collation, case included. Texts the collation cannot tell apart (composed and decomposed
// accents, ignorable characters) are ordered by their UTF-16 code units, so only identical texts
// compare equal and sorting is stable from run to run.
int LocaleCompare(const QString& a, const QString& b);
