// The compiled help file: the pages its table of contents and index lead to are all inside it.
#include "support/temp_folder.h"

#include <chm_lib.h>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <string>
#include <string_view>

namespace {

// A help file opened with chmlib: the names of the files inside and their text.
class ChmArchive {
public:
    explicit ChmArchive(const std::filesystem::path& file)
        : File(chm_open(file.c_str()), &chm_close) {}

    bool IsOpen() const { return File != nullptr; }

    std::set<std::string> Names() const {
        std::set<std::string> names;
        chm_enumerate(File.get(), CHM_ENUMERATE_NORMAL | CHM_ENUMERATE_FILES, &AddName, &names);
        return names;
    }

    std::string Text(const std::string& name) const {
        chmUnitInfo unit{};
        if (chm_resolve_object(File.get(), name.c_str(), &unit) != CHM_RESOLVE_SUCCESS)
            return {};
        std::string text(static_cast<std::size_t>(unit.length), '\0');
        const LONGINT64 read =
            chm_retrieve_object(File.get(), &unit, reinterpret_cast<unsigned char*>(text.data()), 0,
                                static_cast<LONGINT64>(unit.length));
        text.resize(read > 0 ? static_cast<std::size_t>(read) : 0);
        return text;
    }

private:
    static int AddName(chmFile*, chmUnitInfo* unit, void* names) {
        static_cast<std::set<std::string>*>(names)->insert(unit->path);
        return CHM_ENUMERATOR_CONTINUE;
    }

    std::unique_ptr<chmFile, decltype(&chm_close)> File;
};

// The pages a sitemap (contents or index) leads to, as names inside the archive.
std::set<std::string> SitemapPages(const std::string& sitemap) {
    constexpr std::string_view local = R"(<param name="Local" value=")";
    std::set<std::string> pages;
    for (std::size_t at = sitemap.find(local); at != std::string::npos;
         at = sitemap.find(local, at)) {
        at += local.size();
        pages.insert("/" + sitemap.substr(at, sitemap.find_first_of("\"#", at) - at));
    }
    return pages;
}

// A title element with some text in it.
bool HasTitle(const std::string& page) {
    const std::size_t open = page.find("<title>");
    const std::size_t close = page.find("</title>");
    return open != std::string::npos && close != std::string::npos && close > open &&
           page.substr(open + 7, close - open - 7).find_first_not_of(" \t\r\n") !=
               std::string::npos;
}

// Every page a contents or index file in the archive names that the archive does not hold.
std::set<std::string> MissingPages(const ChmArchive& archive, int& sitemapEntries) {
    const std::set<std::string> names = archive.Names();
    std::set<std::string> missing;
    sitemapEntries = 0;
    for (const std::string& name : names) {
        if (!name.ends_with(".hhc") && !name.ends_with(".hhk"))
            continue;
        for (const std::string& page : SitemapPages(archive.Text(name))) {
            ++sitemapEntries;
            if (!names.contains(page))
                missing.insert(page);
        }
    }
    return missing;
}

TEST(HelpFile, HoldsEveryPageItsContentsAndIndexNameEachWithATitle) {
    const ChmArchive archive(QUORVANE_HELP_FILE);
    ASSERT_TRUE(archive.IsOpen());
    const std::set<std::string> names = archive.Names();
    ASSERT_TRUE(names.contains("/Quorvane.hhc"));
    ASSERT_TRUE(names.contains("/Quorvane.hhk"));
    // The topics: playing, the editor, colour schemes, saved games, files and shortcuts.
    EXPECT_GE(SitemapPages(archive.Text("/Quorvane.hhc")).size(), 7U);

    int entries = 0;
    EXPECT_EQ(MissingPages(archive, entries), std::set<std::string>{});
    EXPECT_GT(entries, 0);

    for (const std::string& name : names) {
        if (name.ends_with(".html")) {
            EXPECT_TRUE(HasTitle(archive.Text(name))) << name;
        }
    }
}

// chmcmd compiles a contents entry whose page is not in the project without a word, so only the
// check above would notice.
TEST(HelpFile, AContentsEntryWithoutItsPageIsFound) {
    TempFolder folder;
    std::ofstream(folder / "index.html") << "<html><head><title>Index</title></head></html>\n";
    std::ofstream(folder / "t.hhp") << "[OPTIONS]\nCompiled file=t.chm\nContents file=t.hhc\n"
                                       "Default topic=index.html\n\n[FILES]\nindex.html\n";
    std::ofstream(folder / "t.hhc")
        << "<HTML><BODY><UL>\n"
           "<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"Start\">"
           "<param name=\"Local\" value=\"index.html\"></OBJECT>\n"
           "<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"Gone\">"
           "<param name=\"Local\" value=\"missing.html#part\"></OBJECT>\n"
           "</UL></BODY></HTML>\n";
    const std::string command = "cd '" + folder.Path().string() +
                                "' && '" QUORVANE_CHMCMD "' --no-html-scan t.hhp >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);

    const ChmArchive archive(folder / "t.chm");
    ASSERT_TRUE(archive.IsOpen());
    int entries = 0;
    EXPECT_EQ(MissingPages(archive, entries), std::set<std::string>{"/missing.html"});
    EXPECT_EQ(entries, 2);
}

} // namespace
