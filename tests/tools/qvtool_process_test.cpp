// The built qvtool run as a process on temporary files: round trips, imports and refusals.
#include "base/path_text.h"
#include "editor/bmp_writer.h"
#include "model/game_state.h"
#include "model/puzzle_file.h"
#include "model/saved_game_file.h"
#include "solver/puzzle_picture.h"
#include "support/temp_folder.h"
#include "text_picture.h"

#include <cctype>
#include <fstream>
#include <gtest/gtest.h>
#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
#include <sys/wait.h>
#endif

namespace {

struct ToolRun {
    int ExitCode = -1;
    std::string Out;
    std::string Err;
};

// Line ends as the tool writes them on Linux: on Windows its standard streams end lines in CR LF.
std::string ReadText(const std::filesystem::path& path) {
    const auto bytes = ReadBytes(path);
    std::string text(bytes.begin(), bytes.end());
#ifdef _WIN32
    std::erase(text, '\r');
#endif
    return text;
}

void WriteText(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

class QvtoolTest : public testing::Test {
protected:
    ToolRun Run(const std::vector<std::string>& arguments) {
        std::string command = Quoted(QVTOOL_PATH);
        for (const std::string& argument : arguments)
            command += " " + Quoted(argument);
        command +=
            " >" + Quoted((Folder / "out").string()) + " 2>" + Quoted((Folder / "err").string());
#ifdef _WIN32
        // cmd /c takes the first and the last quote off a line with more than two; the wide call
        // keeps the characters the ANSI code page lacks.
        const std::string line = "\"" + command + "\"";
        std::wstring wide(line.size(), L'\0');
        wide.resize(static_cast<std::size_t>(
            ::MultiByteToWideChar(CP_UTF8, 0, line.data(), static_cast<int>(line.size()),
                                  wide.data(), static_cast<int>(wide.size()))));
        const int exitCode = ::_wsystem(wide.c_str());
#else
        const int status = std::system(command.c_str());
        const int exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
        return {exitCode, ReadText(Folder / "out"), ReadText(Folder / "err")};
    }

    // Names and paths in UTF-8, as the tool takes them.
    std::string File(const std::string& name, const std::string& content) {
        WriteText(Folder / name, content);
        return Path(name);
    }

    std::string Path(const std::string& name) const {
        return PathText(Folder / name);
    }

    PuzzleRecord Puzzle(const std::string& name) const {
        PuzzleRecord record;
        EXPECT_EQ(ReadGamePuzzleFile(Folder / name, record), FileReadStatus::Ok) << name;
        return record;
    }

    TempFolder Folder;

private:
#ifdef _WIN32
    // No file name or argument of these tests holds a double quote, which cmd cannot escape.
    static std::string Quoted(const std::string& text) {
        return "\"" + text + "\"";
    }
#else
    static std::string Quoted(const std::string& text) {
        std::string quoted = "'";
        for (const char c : text)
            quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
        return quoted + "'";
    }
#endif
};

const char* const HouseRows = "..#..\n.###.\n#####\n.#.#.\n.###.\n";

Picture HousePicture() {
    std::string error;
    return ParseTextPicture(HouseRows, error)->Image;
}

TEST_F(QvtoolTest, MakeThenInfoShowsEveryField) {
    const std::string picture =
        File("house.txt", std::string("name: House\ncomments: Caf\xC3\xA9 corner\n") + HouseRows);
    const ToolRun made = Run({"make", picture, Path("house.qvf"), "--creator", "Quorvane",
                              "--level", "7", "--id", "{00112233-4455-6677-8899-AABBCCDDEEFF}"});
    ASSERT_EQ(made.ExitCode, 0) << made.Err;

    const PuzzleRecord record = Puzzle("house.qvf");
    EXPECT_EQ(record.Signature, PuzzleSignature);
    EXPECT_EQ(record.Comments.Text(), "Caf\xE9 corner"); // stored in Windows-1252
    EXPECT_EQ(PictureOfRecord(record), HousePicture());

    const ToolRun info = Run({"info", Path("house.qvf")});
    ASSERT_EQ(info.ExitCode, 0) << info.Err;
    for (const char* line :
         {"Name: House\n", "Puzzle ID: {00112233-4455-6677-8899-AABBCCDDEEFF}\n",
          "Creator: Quorvane\n", "Comments: Caf\xC3\xA9 corner\n", "Level: 7\n", "Size: 5 x 5\n",
          "Rows:\n  1\n  3\n  5\n  1 1\n  3\n", "Columns:\n  1\n  4\n  3 1\n  4\n  1\n"})
        EXPECT_NE(info.Out.find(line), std::string::npos) << line << " in\n" << info.Out;
    // The date is today's, so only its form is checked: "yyyy-mm-dd hh:mm".
    const std::size_t created = info.Out.find("Created: ");
    ASSERT_NE(created, std::string::npos) << info.Out;
    const std::string date = info.Out.substr(created + 9, 17);
    const std::string form = "0000-00-00 00:00\n";
    ASSERT_EQ(date.size(), form.size());
    for (std::size_t i = 0; i < form.size(); ++i)
        EXPECT_TRUE(form[i] == '0' ? std::isdigit(static_cast<unsigned char>(date[i])) != 0
                                   : date[i] == form[i])
            << date;
    EXPECT_NE(info.Out.find(std::string("Picture:\n") + HouseRows), std::string::npos);
}

TEST_F(QvtoolTest, InfoOnASavedGameShowsTheClockAndHistory) {
    auto game = std::make_unique<GameState>();
    PutPicture(HousePicture(), game->Puzzle);
    game->Puzzle.Signature = PuzzleSignature;
    game->Puzzle.Name.Assign("Saved house");
    game->ElapsedSeconds = 3725;
    game->History = {HistoryRecord{0, 1, 1, 0, 1}, HistoryRecord{0, 2, 2, 0, 1}};
    game->HistoryIndex = 1;
    ASSERT_EQ(WriteSavedGameFile(Folder / "house.qvs", *game), "");

    const ToolRun info = Run({"info", Path("house.qvs")});
    ASSERT_EQ(info.ExitCode, 0) << info.Err;
    for (const char* line : {"Saved game: ", "Name: Saved house\n", "Elapsed time: 01:02:05\n",
                             "History: 2 records, index 1\n"})
        EXPECT_NE(info.Out.find(line), std::string::npos) << line << " in\n" << info.Out;
}

TEST_F(QvtoolTest, DarkPixelsOfAnImageBecomeFilledCells) {
    const std::string image = File("stripes.pbm", "P1\n# a comment\n3 2\n1 0 1\n0 1 0\n");
    const ToolRun made = Run({"make", image, Path("stripes.qvf")});
#ifdef QVTOOL_READS_IMAGES
    ASSERT_EQ(made.ExitCode, 0) << made.Err;
    EXPECT_EQ(PictureOfRecord(Puzzle("stripes.qvf")), (Picture{3, 2, {1, 0, 1, 0, 1, 0}}));
    EXPECT_EQ(Puzzle("stripes.qvf").Name.Text(), "stripes");
#else
    EXPECT_NE(made.ExitCode, 0);
    EXPECT_NE(made.Err.find("reads pictures drawn as text only"), std::string::npos) << made.Err;
    EXPECT_FALSE(std::filesystem::exists(Path("stripes.qvf")));
#endif
}

TEST_F(QvtoolTest, FileNamesOutsideTheCodePageReachTheFiles) {
    const std::string picture = File("Käfer ✓.txt", "#.\n.#\n");
    const ToolRun made = Run({"make", picture, Path("Käfer ✓.qvf")});
    ASSERT_EQ(made.ExitCode, 0) << made.Err;
    EXPECT_EQ(PictureOfRecord(Puzzle("Käfer ✓.qvf")), (Picture{2, 2, {1, 0, 0, 1}}));
    const ToolRun info = Run({"info", Path("Käfer ✓.qvf")});
    EXPECT_NE(info.Out.find("Käfer ✓.qvf"), std::string::npos) << info.Out;
}

TEST_F(QvtoolTest, ImportOfCluesWithoutGoalSolvesThem) {
    const std::string clues = File("house.non", "title \"Clued house\"\nby \"Someone\"\nwidth 5\n"
                                                "height 5\nrows\n1\n3\n5\n1,1\n3\ncolumns\n1\n4\n"
                                                "3,1\n4\n1\n");
    const ToolRun imported = Run({"import", clues, Path("house.qvf")});
    ASSERT_EQ(imported.ExitCode, 0) << imported.Err;
    const PuzzleRecord record = Puzzle("house.qvf");
    EXPECT_EQ(PictureOfRecord(record), HousePicture());
    EXPECT_EQ(record.Name.Text(), "Clued house");
    EXPECT_EQ(record.Creator.Text(), "Someone");
}

TEST_F(QvtoolTest, ExportThenImportGivesTheSamePicture) {
    const std::string picture = File("boat.txt", "...#....\n..##....\n.###....\n...#....\n"
                                                 "########\n.######.\n");
    ASSERT_EQ(Run({"make", picture, Path("boat.qvf"), "--name", "Boat"}).ExitCode, 0);
    const ToolRun exported = Run({"export", Path("boat.qvf"), Path("boat.non")});
    ASSERT_EQ(exported.ExitCode, 0) << exported.Err;
    EXPECT_NE(ReadText(Folder / "boat.non").find("goal \""), std::string::npos);
    const ToolRun imported = Run({"import", Path("boat.non"), Path("again.qvf")});
    ASSERT_EQ(imported.ExitCode, 0) << imported.Err;
    EXPECT_EQ(PictureOfRecord(Puzzle("again.qvf")), PictureOfRecord(Puzzle("boat.qvf")));
    EXPECT_EQ(Puzzle("again.qvf").Name.Text(), "Boat");
}

TEST_F(QvtoolTest, XmlPuzzleIsImported) {
    std::string xml = "<?xml version=\"1.0\"?>\n<puzzleset><puzzle type=\"grid\">"
                      "<title>Xml house</title><clues type=\"columns\">";
    for (const char* line : {"1", "4", "3 1", "4", "1"}) {
        xml += "<line>";
        for (const char run : std::string(line))
            if (run != ' ')
                xml += std::string("<count>") + run + "</count>";
        xml += "</line>";
    }
    xml += "</clues><clues type=\"rows\"><line><count>1</count></line><line><count>3</count>"
           "</line><line><count>5</count></line><line><count>1</count><count>1</count></line>"
           "<line><count>3</count></line></clues></puzzle></puzzleset>\n";
    const ToolRun imported = Run({"import", File("house.xml", xml), Path("house.qvf")});
    ASSERT_EQ(imported.ExitCode, 0) << imported.Err;
    EXPECT_EQ(PictureOfRecord(Puzzle("house.qvf")), HousePicture());
    EXPECT_EQ(Puzzle("house.qvf").Name.Text(), "Xml house");
}

TEST_F(QvtoolTest, AmbiguousCluesAreCheckedAndRefused) {
    // Both diagonals of a 2 x 2 grid fit these clues.
    const std::string clues = File("x.non", "width 2\nheight 2\nrows\n1\n1\ncolumns\n1\n1\n");
    const ToolRun checked = Run({"check", clues});
    EXPECT_EQ(checked.ExitCode, 1);
    EXPECT_NE(checked.Out.find("Verdict: several solutions\n"), std::string::npos) << checked.Out;
    EXPECT_NE(checked.Out.find("differ in 4 cells (column,row): (1,1) (2,1) (1,2) (2,2)"),
              std::string::npos)
        << checked.Out;

    const ToolRun imported = Run({"import", clues, Path("x.qvf")});
    EXPECT_NE(imported.ExitCode, 0);
    EXPECT_EQ(imported.Err, "qvtool: " + clues +
                                " has more than one solution; run qvtool check "
                                "to see where\n");
    EXPECT_FALSE(std::filesystem::exists(Folder / "x.qvf"));
}

TEST_F(QvtoolTest, GeneratedPuzzleDependsOnlyOnItsSeedAndSolvesByLines) {
    const std::vector<std::string> options{"--width", "12", "--height", "9", "--seed", "42"};
    auto arguments = [&](const std::string& output) {
        std::vector<std::string> words{"generate", Path(output)};
        words.insert(words.end(), options.begin(), options.end());
        return words;
    };
    ASSERT_EQ(Run(arguments("a.qvf")).ExitCode, 0);
    ASSERT_EQ(Run(arguments("b.qvf")).ExitCode, 0);
    EXPECT_EQ(PictureOfRecord(Puzzle("a.qvf")), PictureOfRecord(Puzzle("b.qvf")));
    const ToolRun checked = Run({"check", Path("a.qvf")});
    EXPECT_EQ(checked.ExitCode, 0);
    EXPECT_NE(checked.Out.find("Verdict: unique, solved line by line"), std::string::npos);
}

// Every refusal is one line on standard error naming the problem, with no output file left.
TEST_F(QvtoolTest, BadInputGivesOneClearLineAndFails) {
    std::string garbage;
    std::uint32_t state = 12345;
    for (int i = 0; i < 40000; ++i) {
        state = state * 1103515245u + 12345u;
        garbage += static_cast<char>(state >> 24);
    }
    const std::string validNon = "width 2\nheight 1\nrows\n1\ncolumns\n1\n0\n";
#ifdef QVTOOL_READS_IMAGES
    // A 20 x 15 bitmap's header with the first six bytes of its pixels: Qt reads it all the same.
    const std::vector<std::uint8_t> bitmap =
        BmpBytes({20, 15, std::vector<std::uint32_t>(300, 0xFFFFFF)}, {24});
    const std::string truncatedBitmap(bitmap.begin(), bitmap.begin() + 60);
#endif
    const struct {
        std::vector<std::string> Arguments; // "IN" is the input file, "OUT" the output
        std::string Input;
        std::string Error; // what the one line must contain
    } cases[] = {
        {{"make", "IN", "OUT"}, "width 5\nheight 5\n", "expected a row of '#' and '.'"},
#ifdef QVTOOL_READS_IMAGES
        {{"make", "IN", "OUT"}, "P1\n1000000 1000000\n1\n", "no image that can be read"},
        {{"make", "IN", "OUT"}, "P1\n200 3\n", "is 200 x 3 pixels"},
        {{"make", "IN", "OUT"}, "\x89PNG\r\n\x1A\ngarbage", "no image that can be read"},
        {{"make", "IN", "OUT"}, truncatedBitmap, "holds fewer pixels than its header gives"},
#endif
        {{"make", "IN", "OUT"}, garbage, "expected a row of '#' and '.'"},
        {{"make", "IN", "OUT", "--level", "11"}, "#\n", "--level must be 0..10 or auto"},
        {{"make", "IN", "OUT", "--id", "{123}"}, "#\n", "is no GUID"},
        {{"make", "IN", "OUT", "--name", std::string(81, 'n')}, "#\n", "at most 80 fit"},
        {{"make", "IN", "OUT", "--level", "auto"}, "#.\n.#\n", "needs a picture with a unique"},
        {{"import", "IN", "OUT"},
         "width 2\nheight 1\nrows\n3\ncolumns\n1\n1\n",
         "the clues of row 1 do not fit in 2 cells"},
        {{"import", "IN", "OUT"},
         "width 2\nheight 1\nrows\n-1\ncolumns\n1\n1\n",
         "\"-1\" is no run length"},
        {{"import", "IN", "OUT"},
         "width 1000000000\nheight 1000000000\n",
         "the width must be a number of 1..128"},
        {{"import", "IN", "OUT"},
         "width 2\nheight 2\nrows\n2\n0\ncolumns\n2\n0\n",
         "no picture fits the clues"},
        {{"import", "IN", "OUT"}, garbage, "this is not a text file"},
        {{"check", "IN"}, "<puzzleset/>", "no <puzzle> with row and column <clues> found"},
        {{"info", "IN"}, garbage, "is not a puzzle file (.qvf) the game can open"},
        {{"export", "IN", "OUT"}, validNon, "is not a puzzle file (.qvf) the game can open"},
        {{"info", "MISSING"}, "", "cannot open"},
        {{"generate", "OUT", "--width", "-5", "--height", "5"},
         "",
         "--width must be a whole number"},
        {{"generate", "OUT", "--width", "20", "--height", "20", "--density", "50", "--attempts",
          "1", "--seed", "3"},
         "",
         "no picture of 1 tries"},
        {{"frobnicate"}, "", "unknown command \"frobnicate\""},
        {{"check", "IN", "--fast"}, validNon, "unknown option --fast"},
        {{"check"}, "", "too few arguments"},
        {{}, "", "no command given"},
    };
    for (const auto& test : cases) {
        std::vector<std::string> arguments;
        for (const std::string& word : test.Arguments)
            arguments.push_back(word == "IN"        ? File("input", test.Input)
                                : word == "OUT"     ? Path("output")
                                : word == "MISSING" ? Path("missing")
                                                    : word);
        const ToolRun run = Run(arguments);
        const std::string what = test.Error;
        EXPECT_NE(run.ExitCode, 0) << what;
        EXPECT_TRUE(run.Err.starts_with("qvtool: ")) << run.Err;
        EXPECT_EQ(std::count(run.Err.begin(), run.Err.end(), '\n'), 1) << run.Err;
        EXPECT_NE(run.Err.find(what), std::string::npos) << what << " in " << run.Err;
        EXPECT_FALSE(std::filesystem::exists(Folder / "output")) << what;
    }
}

TEST_F(QvtoolTest, HelpListsEveryCommandAndEachCommandHasItsOwn) {
    const ToolRun help = Run({"--help"});
    EXPECT_EQ(help.ExitCode, 0);
    for (const char* command : {"make", "info", "check", "import", "export", "generate"}) {
        EXPECT_NE(help.Out.find(std::string("  ") + command + " "), std::string::npos) << command;
        const ToolRun own = Run({command, "--help"});
        EXPECT_EQ(own.ExitCode, 0) << command;
        EXPECT_TRUE(own.Out.starts_with(std::string("usage: qvtool ") + command)) << own.Out;
    }
}

} // namespace
