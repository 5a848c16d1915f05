// The shipped collection: every drawn picture is a fair puzzle, and the build made a file of it.
#include "model/puzzle_file.h"
#include "base/code_page.h"
#include "puzzle_level.h"
#include "solver/puzzle_picture.h"
#include "text_picture.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <sstream>

namespace {

std::vector<std::filesystem::path> PicturePaths() {
    std::vector<std::filesystem::path> paths;
    for (const auto& entry : std::filesystem::directory_iterator(QUORVANE_PUZZLE_SOURCE_DIR))
        if (entry.path().extension() == ".txt")
            paths.push_back(entry.path());
    std::sort(paths.begin(), paths.end());
    return paths;
}

TEST(CollectionTest, EveryPictureIsAUniqueLineSolvablePuzzleBuiltIntoTheProgramFolder) {
    const auto paths = PicturePaths();
    EXPECT_GE(paths.size(), 40u);
    std::set<std::string> identities;
    for (const auto& path : paths) {
        SCOPED_TRACE(path.filename().string());
        std::ifstream file(path);
        std::stringstream text;
        text << file.rdbuf();
        std::string error;
        const auto picture = ParseTextPicture(text.str(), error);
        ASSERT_TRUE(picture) << error;
        const Picture& image = picture->Image;
        EXPECT_GE(image.Width, 5);
        EXPECT_GE(image.Height, 5);
        EXPECT_FALSE(picture->Field("comments").empty());
        // A shared identity would make two puzzles share one solved record.
        EXPECT_TRUE(identities.insert(picture->Field("id")).second) << picture->Field("id");

        const SolveReport report = SolvePuzzle(CluesOf(image));
        ASSERT_EQ(report.Outcome, Verdict::UniqueByLines);
        ASSERT_EQ(report.First, image);

        PuzzleRecord record;
        const auto built = std::filesystem::path(QUORVANE_PROGRAM_DIR) / "Puzzles" /
                           (path.stem().string() + ".qvf");
        ASSERT_EQ(ReadGamePuzzleFile(built, record), FileReadStatus::Ok) << built;
        EXPECT_EQ(Utf8FromCp1252(record.Name.Text()), picture->Field("name"));
        EXPECT_EQ(record.Creator.Text(), "Quorvane");
        EXPECT_EQ(GuidText(record.PuzzleId), picture->Field("id"));
        EXPECT_EQ(record.Level, LevelFromReport(report, image.Width, image.Height));
        EXPECT_EQ(PictureOfRecord(record), image);
    }
}

} // namespace
