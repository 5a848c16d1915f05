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

// Writes the date through a pattern of these letters, copying everything else as is:
//   dd day 01..31, ddd / dddd short / full weekday name, mm month 01..12,
//   mmm / mmmm short / full month name, yyyy year, hh hour 00..23, nn minute 00..59.
// "/" and ":" become the locale's date and time separators, taken from its short formats.
// Minutes are "nn" so that "mm" is always the month. A value that is no date gives "".
// Windows pass QLocale(): the user's locale, unless a test has pinned another.
QString FormatOleDate(double oleDate, QStringView pattern, const QLocale& locale);
