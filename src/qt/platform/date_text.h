// OLE dates as local times and as text in the user's language.
#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringView>
#include <optional>

// The OLE date of the wall-clock time the date-time shows in the local time zone. An invalid
// date-time, or one outside the years OLE dates cover, gives none.
std::optional<double> OleDateFromLocal(const QDateTime& dateTime);

// The local time an OLE date names; none for a value that is no date (see CivilFromOleDate).
std::optional<QDateTime> LocalFromOleDate(double oleDate);

// The date through a pattern of FormatOleDate (base/date_pattern.h), with the locale's names and
// the separators of its short formats. Windows pass QLocale(): the user's locale, unless a test
// has pinned another.
QString FormatOleDate(double oleDate, QStringView pattern, const QLocale& locale);
