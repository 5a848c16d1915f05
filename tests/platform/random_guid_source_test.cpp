// Random identifiers shown as QUuid shows them.
#include "platform/random_guid_source.h"

#include <QUuid>
#include <cctype>
#include <gtest/gtest.h>

namespace {

TEST(RandomGuidSource, TextReadsBackAsTheSameUuid) {
    RandomGuidSource source;
    const Guid guid = source.NewGuid();
    const std::string text = GuidText(guid);
    ASSERT_EQ(text.size(), 38u);
    for (const char c : text)
        EXPECT_FALSE(std::islower(static_cast<unsigned char>(c))) << text;
    // Reading the text back through QUuid checks every field landed where QUuid keeps it.
    const QUuid parsed(QString::fromStdString(text));
    ASSERT_FALSE(parsed.isNull()) << text;
    EXPECT_EQ(parsed.toString(QUuid::WithBraces).toUpper().toStdString(), text);
    EXPECT_EQ(parsed.data1, guid.Data1);
    EXPECT_EQ(parsed.data2, guid.Data2);
    EXPECT_EQ(parsed.data3, guid.Data3);
    EXPECT_EQ(parsed.version(), QUuid::Random);
}

} // namespace
