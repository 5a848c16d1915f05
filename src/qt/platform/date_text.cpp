// OLE dates as local times and as text in the user's language.
#include "platform/date_text.h"

#include "base/ole_date.h"

#include <QDate>
#include <QTime>
#include <algorithm>
#include <array>

namespace {

QString Padded(int value, int width) {
    return QStringLiteral("%1").arg(value, width, 10, QChar(u'0'));
}

int DayOfWeek(const CivilDateTime& civil) {
    return QDate(civil.Year, civil.Month, civil.Day).dayOfWeek();
}

struct PatternLetters {
    QStringView Letters;
    QString (*Write)(const CivilDateTime&, const QLocale&);
};

// Longer runs of a letter come before shorter ones so that "dddd" is not read as "dd" twice.
const std::array<PatternLetters, 9> AllPatternLetters{{
    {u"dddd", [](const CivilDateTime& c,
                 const QLocale& l) { return l.dayName(DayOfWeek(c), QLocale::LongFormat); }},
    {u"ddd", [](const CivilDateTime& c,
                const QLocale& l) { return l.dayName(DayOfWeek(c), QLocale::ShortFormat); }},
    {u"dd", [](const CivilDateTime& c, const QLocale&) { return Padded(c.Day, 2); }},
    {u"mmmm", [](const CivilDateTime& c,
                 const QLocale& l) { return l.monthName(c.Month, QLocale::LongFormat); }},
    {u"mmm", [](const CivilDateTime& c,
                const QLocale& l) { return l.monthName(c.Month, QLocale::ShortFormat); }},
    {u"mm", [](const CivilDateTime& c, const QLocale&) { return Padded(c.Month, 2); }},
    {u"yyyy", [](const CivilDateTime& c, const QLocale&) { return Padded(c.Year, 4); }},
    {u"hh", [](const CivilDateTime& c, const QLocale&) { return Padded(c.Hour, 2); }},
    {u"nn", [](const CivilDateTime& c, const QLocale&) { return Padded(c.Minute, 2); }},
}};

// The first punctuation in one of the locale's own formats, skipping the quotes around literal
// text and the invisible direction marks some right-to-left locales put around separators.
QChar SeparatorIn(const QString& localeFormat, QChar fallback) {
    for (const QChar c : localeFormat) {
        if (!c.isLetter() && !c.isSpace() && c != u'\'' && c.category() != QChar::Other_Format)
            return c;
    }
    return fallback;
}

} // namespace

std::optional<double> OleDateFromLocal(const QDateTime& dateTime) {
    if (!dateTime.isValid())
        return std::nullopt;
    const QDateTime local = dateTime.toLocalTime();
    const QDate date = local.date();
    const QTime time = local.time();
    return OleDateFromCivil({date.year(), date.month(), date.day(), time.hour(), time.minute(),
                             time.second(), time.msec()});
}

std::optional<QDateTime> LocalFromOleDate(double oleDate) {
    const auto civil = CivilFromOleDate(oleDate);
    if (!civil)
        return std::nullopt;
    const QDate date(civil->Year, civil->Month, civil->Day);
    const QTime time(civil->Hour, civil->Minute, civil->Second, civil->Millisecond);
    const QDateTime local(date, time, Qt::LocalTime);
    if (local.isValid())
        return local;
    // The clocks skipped this time when they went forward. It still names a moment: read it with
    // the offset in force a day earlier, which moves it on by the length of the gap.
    const QDateTime dayBefore(date.addDays(-1), time, Qt::LocalTime);
    if (!dayBefore.isValid())
        return std::nullopt;
    return QDateTime(date, time, Qt::UTC).addSecs(-dayBefore.offsetFromUtc()).toLocalTime();
}

QString FormatOleDate(double oleDate, QStringView pattern, const QLocale& locale) {
    const auto civil = CivilFromOleDate(oleDate);
    if (!civil)
        return {};
    const QChar dateSeparator = SeparatorIn(locale.dateFormat(QLocale::ShortFormat), u'/');
    const QChar timeSeparator = SeparatorIn(locale.timeFormat(QLocale::ShortFormat), u':');
    QString text;
    while (!pattern.isEmpty()) {
        const auto letters =
            std::find_if(AllPatternLetters.begin(), AllPatternLetters.end(),
                         [&](const PatternLetters& p) { return pattern.startsWith(p.Letters); });
        if (letters != AllPatternLetters.end()) {
            text += letters->Write(*civil, locale);
            pattern = pattern.sliced(letters->Letters.size());
            continue;
        }
        const QChar c = pattern.front();
        text += c == u'/' ? dateSeparator : c == u':' ? timeSeparator : c;
        pattern = pattern.sliced(1);
    }
    return text;
}
