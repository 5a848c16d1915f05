// The source tree's layers: the core's headers include one another without a circle, and no
// folder of windows includes another folder's window, so each window is reached only through the
// small interface its folder gives; start-up (src/qt/app) alone builds them all.
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path Sources = fs::path(QUORVANE_SOURCE_DIR) / "src";

std::string Text(const fs::path& file) {
    std::ifstream in(file);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Every source file of a tree by its include path ("board/board_geometry.h"), with the project
// includes it names.
std::map<std::string, std::vector<std::string>> IncludesOf(const fs::path& tree) {
    const std::string include = "#include \"";
    std::map<std::string, std::vector<std::string>> graph;
    for (const auto& entry : fs::recursive_directory_iterator(tree)) {
        const std::string ext = entry.path().extension().string();
        if (ext != ".h" && ext != ".cpp")
            continue;
        auto& names = graph[fs::relative(entry.path(), tree).generic_string()];
        std::istringstream lines(Text(entry.path()));
        for (std::string line; std::getline(lines, line);)
            if (line.starts_with(include))
                names.push_back(
                    line.substr(include.size(), line.find('"', include.size()) - include.size()));
    }
    return graph;
}

// A window is a class deriving from a dialog or a main window.
bool DeclaresAWindow(const std::string& text) {
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);)
        if (line.starts_with("class ") && (line.find(": public QDialog") != std::string::npos ||
                                           line.find(": public QMainWindow") != std::string::npos))
            return true;
    return false;
}

std::string FolderOf(const std::string& path) {
    return path.substr(0, path.find('/'));
}

// The first include circle found from a file, written as "a -> b -> a"; empty when none.
std::string CircleFrom(const std::string& file,
                       const std::map<std::string, std::vector<std::string>>& graph,
                       std::vector<std::string>& path, std::set<std::string>& done) {
    if (const auto open = std::find(path.begin(), path.end(), file); open != path.end()) {
        std::string circle;
        for (auto it = open; it != path.end(); ++it)
            circle += *it + " -> ";
        return circle + file;
    }
    if (done.contains(file) || !graph.contains(file))
        return "";
    path.push_back(file);
    for (const std::string& next : graph.at(file))
        if (std::string circle = CircleFrom(next, graph, path, done); !circle.empty())
            return circle;
    path.pop_back();
    done.insert(file);
    return "";
}

} // namespace

TEST(Layers, CoreHeadersIncludeOneAnotherWithoutACircle) {
    const auto graph = IncludesOf(Sources / "core");
    ASSERT_GT(graph.size(), 50u);
    std::set<std::string> done;
    for (const auto& [file, includes] : graph) {
        std::vector<std::string> path;
        ASSERT_EQ(CircleFrom(file, graph, path, done), "");
    }
}

TEST(Layers, NoFolderOfWindowsIncludesAnotherFoldersWindow) {
    const auto graph = IncludesOf(Sources / "qt");
    std::set<std::string> windows;
    for (const auto& [file, includes] : graph)
        if (file.ends_with(".h") && DeclaresAWindow(Text(Sources / "qt" / file)))
            windows.insert(file);
    ASSERT_GT(windows.size(), 5u);
    for (const auto& [file, includes] : graph) {
        if (FolderOf(file) == "app")
            continue;
        for (const std::string& included : includes)
            EXPECT_FALSE(windows.contains(included) && FolderOf(included) != FolderOf(file))
                << file << " includes the window " << included;
    }
}
