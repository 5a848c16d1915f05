// OLE dates as local times and as text in the user's language.
#include "platform/date_text.h"

#include "base/date_pattern.h"
#include "base/ole_date.h"

#include <QDate>
#include <QTime>

namespace {

// The first punctuation in one of the locale's own formats, skipping the quotes around literal
// text and the invisible direction marks some right-to-left locales put around separators.
QChar SeparatorIn(const QString& localeFormat, QChar fallback) {
    for (const QChar c : localeFormat) {
        if (!c.isLetter() && !c.isSpace() && c != u'\'' && c.category() != QChar::Other_Format)
            return c;
    }
    return fallback;
}

QLocale::FormatType FormatOf(NameLength length) {
    return length == NameLength::Long ? QLocale::LongFormat : QLocale::ShortFormat;
}

class LocaleDateNames final : public DateNames {
public:
    explicit LocaleDateNames(const QLocale& locale) : Locale(locale) {}

    std::string DayName(int dayOfWeek, NameLength length) const override {
        return Locale.dayName(dayOfWeek, FormatOf(length)).toStdString();
    }
    std::string MonthName(int month, NameLength length) const override {
        return Locale.monthName(month, FormatOf(length)).toStdString();
    }
    std::string DateSeparator() const override {
        return QString(SeparatorIn(Locale.dateFormat(QLocale::ShortFormat), u'/')).toStdString();
    }
    std::string TimeSeparator() const override {
        return QString(SeparatorIn(Locale.timeFormat(QLocale::ShortFormat), u':')).toStdString();
    }

private:
    const QLocale& Locale;
};

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
    return QString::fromStdString(
        FormatOleDate(oleDate, pattern.toString().toStdString(), LocaleDateNames(locale)));
}
