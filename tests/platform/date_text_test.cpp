// OLE dates as local times and as text, under pinned locales and time zones.
#include "platform/date_text.h"

#include <QTimeZone>
#include <cmath>
#include <ctime>
#include <gtest/gtest.h>
#include <limits>
#include <ostream>

void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace {

// Wednesday 5 March 2025, 14:07.
const double PinnedDate = 45721.0 + (14 * 60 + 7) / 1440.0;
const QLocale BritishEnglish(QLocale::English, QLocale::UnitedKingdom);

struct FormatCase {
    QLocale Locale;
    const char16_t* Pattern;
    const char16_t* Text;
};

TEST(DateText, FormatsThePatternsTheProgramUses) {
    const FormatCase cases[] = {
        {BritishEnglish, u"dd/mm/yyyy", u"05/03/2025"},
        {BritishEnglish, u"mmm dd yyyy hh:nn", u"Mar 05 2025 14:07"},
        {BritishEnglish, u"ddd dd mmmm yyyy hh:nn", u"Wed 05 March 2025 14:07"},
        {BritishEnglish, u"dddd dd mmmm yyyy hh:nn", u"Wednesday 05 March 2025 14:07"},
        {BritishEnglish, u"ddmmyyyyhhnn", u"050320251407"},
    };
    for (const FormatCase& c : cases) {
        const QString pattern = QString::fromUtf16(c.Pattern);
        EXPECT_EQ(FormatOleDate(PinnedDate, pattern, c.Locale), QString::fromUtf16(c.Text))
            << pattern.toStdString();
    }
}

TEST(DateText, NamesAndSeparatorsComeFromTheLocale) {
    const FormatCase cases[] = {
        {QLocale(QLocale::German, QLocale::Germany), u"dd/mm/yyyy hh:nn", u"05.03.2025 14:07"},
        {QLocale(QLocale::German, QLocale::Germany), u"dddd dd mmmm yyyy",
         u"Mittwoch 05 M\u00e4rz 2025"},
        {QLocale(QLocale::Finnish, QLocale::Finland), u"dd/mm/yyyy hh:nn", u"05.03.2025 14.07"},
        // "yyyy. MM. dd.": the space after the first dot is not the separator.
        {QLocale(QLocale::Hungarian, QLocale::Hungary), u"dd/mm/yyyy", u"05.03.2025"},
        // Its short date puts right-to-left marks around the slashes; they are not separators.
        {QLocale(QLocale::Arabic, QLocale::Egypt), u"dd/mm/yyyy", u"05/03/2025"},
        // "d MMM yyyy" has no punctuation at all, so the slash stays.
        {QLocale::c(), u"dd/mm/yyyy hh:nn", u"05/03/2025 14:07"},
    };
    for (const FormatCase& c : cases) {
        const QString pattern = QString::fromUtf16(c.Pattern);
        EXPECT_EQ(FormatOleDate(PinnedDate, pattern, c.Locale), QString::fromUtf16(c.Text))
            << c.Locale.name().toStdString() << ' ' << pattern.toStdString();
    }
}

TEST(DateText, TextBetweenPatternLettersIsCopied) {
    // Single letters are not pattern letters, and Qt's own "MM" or "HH" mean nothing here.
    EXPECT_EQ(FormatOleDate(PinnedDate, u"Played on dd mmm, at hh:nn (MM HH)", BritishEnglish),
              u"Played on 05 Mar, at 14:07 (MM HH)");
}

TEST(DateText, YearsAreWrittenWithFourDigitsAcrossTheRange) {
    EXPECT_EQ(FormatOleDate(-657434.0, u"ddd dd/mm/yyyy hh:nn", BritishEnglish),
              u"Fri 01/01/0100 00:00");
    EXPECT_EQ(FormatOleDate(2958465.999, u"ddd dd/mm/yyyy hh:nn", BritishEnglish),
              u"Fri 31/12/9999 23:58");
}

TEST(DateText, ValuesThatAreNoDateFormatAsEmpty) {
    for (const double value : {std::numeric_limits<double>::quiet_NaN(),
                               std::numeric_limits<double>::infinity(), 2958466.0, -1e300}) {
        EXPECT_TRUE(FormatOleDate(value, u"dd/mm/yyyy", BritishEnglish).isEmpty()) << value;
        EXPECT_EQ(LocalFromOleDate(value), std::nullopt) << value;
    }
}

TEST(DateText, LocalWallClockTimeIsTheOleDate) {
    const QDateTime noon(QDate(2000, 1, 1), QTime(12, 0), Qt::LocalTime);
    EXPECT_EQ(OleDateFromLocal(noon), 36526.5);
    const auto local = LocalFromOleDate(36526.5 + 0.25 / 86400);
    ASSERT_TRUE(local);
    EXPECT_EQ(local->timeSpec(), Qt::LocalTime);
    EXPECT_EQ(local->date(), QDate(2000, 1, 1));
    EXPECT_EQ(local->time(), QTime(12, 0, 0, 250));
}

TEST(DateText, TimesInOtherZonesAreConvertedToLocalTime) {
    // Almost nowhere keeps this offset, so the wall-clock fields here differ from local ones.
    const QDateTime kiribati(QDate(2000, 1, 1), QTime(12, 0), QTimeZone(14 * 3600));
    const QDateTime local = kiribati.toLocalTime();
    const auto expected = OleDateFromLocal(QDateTime(local.date(), local.time(), Qt::LocalTime));
    ASSERT_TRUE(expected);
    EXPECT_EQ(OleDateFromLocal(kiribati), expected);
}

TEST(DateText, DateTimesNoOleDateHoldsAreRefused) {
    EXPECT_EQ(OleDateFromLocal(QDateTime()), std::nullopt);
    EXPECT_EQ(OleDateFromLocal(QDateTime(QDate(10000, 1, 1), QTime(0, 0), Qt::LocalTime)),
              std::nullopt);
}

// Runs a test in London time, where the clocks go forward at 01:00 on 30 March 2025 and back at
// 02:00 on 26 October 2025.
class DateTextInLondon : public ::testing::Test {
protected:
    void SetUp() override {
        hadZone = qEnvironmentVariableIsSet("TZ");
        savedZone = qgetenv("TZ");
        qputenv("TZ", "Europe/London");
        tzset();
        const QDateTime summer(QDate(2025, 7, 1), QTime(12, 0), Qt::LocalTime);
        if (summer.offsetFromUtc() != 3600)
            GTEST_SKIP() << "no time zone data for Europe/London";
    }
    void TearDown() override {
        if (hadZone)
            qputenv("TZ", savedZone);
        else
            qunsetenv("TZ");
        tzset();
    }

private:
    bool hadZone = false;
    QByteArray savedZone;
};

TEST_F(DateTextInLondon, TimeSkippedBySummerTimeMovesOnByTheGap) {
    const auto local = LocalFromOleDate(45746.0 + 1.5 / 24); // 30 March 2025 01:30
    ASSERT_TRUE(local);
    EXPECT_EQ(local->date(), QDate(2025, 3, 30));
    EXPECT_EQ(local->time(), QTime(2, 30));
}

TEST_F(DateTextInLondon, WallClockTimesSurviveTheRoundTripAroundTheChanges) {
    // 01:30 on 26 October happens twice; either moment shows the same wall clock.
    for (const double oleDate : {45746.0 + 0.5 / 24, 45746.0 + 3.0 / 24, 45956.0 + 1.5 / 24,
                                 45956.0 + 2.5 / 24, 45839.0 + 0.123456}) {
        const auto local = LocalFromOleDate(oleDate);
        ASSERT_TRUE(local) << oleDate;
        const auto back = OleDateFromLocal(*local);
        ASSERT_TRUE(back) << oleDate;
        EXPECT_NEAR(*back, oleDate, 0.5 / 86'400'000) << oleDate;
    }
}

} // namespace
