// Sorting texts by the locale's collation, with a total order for sortable columns.
#include "platform/locale_compare.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

// QString::localeAwareCompare collates by the default locale, which would otherwise follow the
// environment; the tests run with none set.
class LocaleCompareInEnglish : public ::testing::Test {
protected:
    void SetUp() override {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }
};

TEST_F(LocaleCompareInEnglish, SortsAsTheLanguageDoesNotAsTheCodeUnits) {
    // Each pair is in collation order, and the reverse of code-unit order.
    const struct {
        const char16_t* Before;
        const char16_t* After;
    } cases[] = {
        {u"apple", u"Banana"},
        {u"r\u00e9sum\u00e9", u"rose"},
        {u"\u00c9clair", u"zebra"},
    };
    for (const auto& c : cases) {
        const QString before = QString::fromUtf16(c.Before);
        const QString after = QString::fromUtf16(c.After);
        EXPECT_EQ(LocaleCompare(before, after), -1) << before.toStdString();
        EXPECT_EQ(LocaleCompare(after, before), 1) << before.toStdString();
    }
    EXPECT_LT(LocaleCompare(u"Apple"_qs, u"banana"_qs), 0);
}

TEST_F(LocaleCompareInEnglish, OnlyIdenticalTextsAreEqual) {
    // Case, composed against decomposed accents, and an ignorable control character: the
    // collation cannot tell some of these apart, but a list must still sort them the same way
    // every time.
    const QString texts[] = {
        u"apple"_qs,
        u"Apple"_qs,
        u"APPLE"_qs,
        QString::fromUtf16(u"\u00e9t\u00e9"),
        QString::fromUtf16(u"e\u0301te\u0301"),
        QString::fromUtf16(u"ap\u0001ple"),
        u""_qs,
    };
    for (const QString& a : texts) {
        EXPECT_EQ(LocaleCompare(a, a), 0) << a.toStdString();
        for (const QString& b : texts) {
            if (&a == &b)
                continue;
            const int ab = LocaleCompare(a, b);
            EXPECT_NE(ab, 0) << a.toStdString() << " / " << b.toStdString();
            EXPECT_EQ(ab, -LocaleCompare(b, a)) << a.toStdString() << " / " << b.toStdString();
            for (const QString& c : texts) {
                if (ab < 0 && LocaleCompare(b, c) < 0) {
                    EXPECT_LT(LocaleCompare(a, c), 0)
                        << a.toStdString() << " < " << b.toStdString() << " < " << c.toStdString();
                }
            }
        }
    }
}

} // namespace
