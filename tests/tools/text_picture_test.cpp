// Pictures drawn as text: headers, rows and the refusals of malformed drawings.
#include "text_picture.h"

#include <gtest/gtest.h>

namespace {

TEST(TextPictureTest, HeaderFieldsAndRowsAreRead) {
    std::string error;
    const auto picture =
        ParseTextPicture("\xEF\xBB\xBFName: Key \r\nid: {X}\r\n\r\n#.#\r\n.#.\r\n", error);
    ASSERT_TRUE(picture) << error;
    EXPECT_EQ(picture->Field("name"), "Key");
    EXPECT_EQ(picture->Field("id"), "{X}");
    EXPECT_EQ(picture->Field("comments"), "");
    EXPECT_EQ(picture->Image, (Picture{3, 2, {1, 0, 1, 0, 1, 0}}));
    EXPECT_EQ(PictureRowsText(picture->Image), "#.#\n.#.\n");
}

TEST(TextPictureTest, MalformedDrawingsAreRefusedWithTheLine) {
    const std::string wide(129, '#');
    std::string tall;
    for (int row = 0; row < 129; ++row)
        tall += "#\n";
    const struct {
        std::string Text;
        std::string Error;
    } cases[] = {
        {"", "the picture has no rows"},
        {"name: Empty\n", "the picture has no rows"},
        {"##\n#\n", "line 2: the row is 1 cells wide, the first one 2"},
        {"#x#\n", "line 1: expected a row of '#' and '.' or a \"key: value\" line"},
        {"##\nname: late\n", "line 2: expected a row of '#' and '.'"},
        {wide + "\n", "line 1: the row is wider than 128 cells"},
        {tall, "line 129: the picture is taller than 128 rows"},
    };
    for (const auto& test : cases) {
        std::string error;
        EXPECT_FALSE(ParseTextPicture(test.Text, error)) << test.Text;
        EXPECT_EQ(error, test.Error) << test.Text;
    }
}

} // namespace
