// Reading a help file's contents and index: nesting, values as text, and damaged sitemaps.
#include "help/sitemap.h"

#include <QTest>
#include <string>

namespace {

std::string Entry(const std::string& name, const std::string& local = {}) {
    std::string entry = "<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"" + name + "\">";
    if (!local.empty())
        entry += "<param name=\"Local\" value=\"" + local + "\">";
    return entry + "</OBJECT>\n";
}

// The entries as one line: name(page) with children in brackets.
QString Shape(const std::vector<SitemapEntry>& entries) {
    QStringList parts;
    for (const SitemapEntry& entry : entries) {
        QString part = entry.Name + QLatin1Char('(') + entry.Local + QLatin1Char(')');
        if (!entry.Children.empty())
            part += QLatin1Char('[') + Shape(entry.Children) + QLatin1Char(']');
        parts.append(part);
    }
    return parts.join(QLatin1Char(' '));
}

int Depth(const std::vector<SitemapEntry>& entries) {
    int deepest = 0;
    for (const SitemapEntry& entry : entries)
        deepest = std::max(deepest, 1 + Depth(entry.Children));
    return deepest;
}

int Count(const std::vector<SitemapEntry>& entries) {
    int count = 0;
    for (const SitemapEntry& entry : entries)
        count += 1 + Count(entry.Children);
    return count;
}

} // namespace

class SitemapTest : public QObject {
    Q_OBJECT

private slots:
    void EntriesNestAsTheirListsAndTheRestIsPassedOver() {
        const struct {
            const char* Case;
            std::string Text;
            QString Shape;
        } cases[] = {
            {"nested lists",
             "<UL>" + Entry("Top", "a.html") + "<UL>" + Entry("Child", "b.html#part") + "</UL>" +
                 Entry("Heading") + "<UL>" + Entry("Deep", "sub/c.html") + "</UL></UL>",
             "Top(a.html)[Child(b.html#part)] Heading()[Deep(sub/c.html)]"},
            {"other objects and comments",
             "<OBJECT type=\"text/site properties\"><param name=\"Name\" value=\"Site\"></OBJECT>"
             "<!-- " + Entry("Commented", "x.html") + " --><ul>" + Entry("Kept", "k.html") + "</ul>",
             "Kept(k.html)"},
            {"spelling of tags and values",
             "<ul><li><object TYPE='Text/Sitemap'><PARAM NAME=local VALUE=p.html>"
             "<param value=\"Fish &amp; Chips &lt;2&gt;\" name=\"NAME\"></object></ul>",
             "Fish & Chips <2>(p.html)"},
            {"Windows code page", "<ul>" + Entry("Caf\xe9", "cafe.html") + "</ul>",
             QStringLiteral(u"Caf\u00e9(cafe.html)")},
            {"unbalanced and cut short",
             "</UL></UL><UL>" + Entry("Kept") + "<UL><UL><OBJECT type=\"text/sitemap\">"
             "<param name=\"Name\" value=\"Cut",
             "Kept()"},
            {"no sitemap", "\x01\x02<<>>\xff plain text", ""},
        };
        for (const auto& test : cases)
            QVERIFY2(Shape(ReadSitemap(test.Text)) == test.Shape,
                     qPrintable(QString::fromLatin1(test.Case) + QLatin1String(": ") +
                                Shape(ReadSitemap(test.Text))));
    }

    void DeepListsAreKeptShallowWithEveryEntry() {
        std::string text;
        for (int level = 0; level < 1000; ++level)
            text += "<UL>" + Entry("Level " + std::to_string(level), "page.html");
        const std::vector<SitemapEntry> entries = ReadSitemap(text);
        QCOMPARE(Count(entries), 1000);
        QVERIFY(Depth(entries) <= 16);
    }
};

QTEST_MAIN(SitemapTest)
#include "sitemap_test.moc"
