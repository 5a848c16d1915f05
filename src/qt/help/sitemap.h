// The contents and index of a help file: the entries of its sitemap files (.hhc, .hhk).
#pragma once

#include <QString>
#include <string_view>
#include <vector>

struct SitemapEntry {
    QString Name;
    // The page as the sitemap names it, relative to the help file's root, with any anchor;
    // empty for a heading without a page of its own.
    QString Local;
    std::vector<SitemapEntry> Children;
};

// The entries of a sitemap, nested as its lists are. Whatever is not a sitemap entry is passed
// over, and text that is no sitemap at all gives no entries.
std::vector<SitemapEntry> ReadSitemap(std::string_view text);
