#include "help/sitemap.h"

#include "base/code_page.h"

#include <QStringDecoder>
#include <QTextDocumentFragment>
#include <algorithm>
#include <cctype>
#include <optional>
#include <string>

namespace {

// Lists nested deeper than this are read into the deepest one, so a hostile file cannot make the
// contents tree as deep as it is long.
constexpr std::size_t MaxDepth = 16;

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// The position of the '>' that ends the tag whose text starts at `from`, past quoted values.
std::size_t TagEnd(std::string_view text, std::size_t from) {
    char quote = 0;
    for (std::size_t at = from; at < text.size(); ++at) {
        const char c = text[at];
        if (quote != 0) {
            if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '>') {
            return at;
        }
    }
    return std::string_view::npos;
}

// The value of an attribute in the text of a tag after its name; none when it has no such
// attribute.
std::optional<std::string_view> Attribute(std::string_view attributes, std::string_view name) {
    std::size_t at = 0;
    while (at < attributes.size()) {
        while (at < attributes.size() && (IsBlank(attributes[at]) || attributes[at] == '/'))
            ++at;
        const std::size_t nameStart = at;
        while (at < attributes.size() && !IsBlank(attributes[at]) && attributes[at] != '=')
            ++at;
        const std::string attributeName = Lower(attributes.substr(nameStart, at - nameStart));
        while (at < attributes.size() && IsBlank(attributes[at]))
            ++at;
        std::string_view value;
        if (at < attributes.size() && attributes[at] == '=') {
            ++at;
            while (at < attributes.size() && IsBlank(attributes[at]))
                ++at;
            std::size_t valueEnd = at;
            if (at < attributes.size() && (attributes[at] == '"' || attributes[at] == '\'')) {
                const char quote = attributes[at++];
                valueEnd = std::min(attributes.find(quote, at), attributes.size());
                value = attributes.substr(at, valueEnd - at);
                at = valueEnd + 1;
            } else {
                while (valueEnd < attributes.size() && !IsBlank(attributes[valueEnd]))
                    ++valueEnd;
                value = attributes.substr(at, valueEnd - at);
                at = valueEnd;
            }
        }
        if (!attributeName.empty() && attributeName == name)
            return value;
    }
    return std::nullopt;
}

// A value as text: UTF-8 where it is valid, else the Windows code page older help files are
// written in; character references are resolved.
QString ValueText(std::string_view value) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(QByteArrayView(value.data(), static_cast<qsizetype>(value.size())));
    if (utf8.hasError())
        text = QString::fromStdString(Utf8FromCp1252(value));
    if (text.contains(QLatin1Char('&')))
        text = QTextDocumentFragment::fromHtml(text.toHtmlEscaped().replace(
                                                   QLatin1String("&amp;"), QLatin1String("&")))
                   .toPlainText();
    return text.trimmed();
}

} // namespace

std::vector<SitemapEntry> ReadSitemap(std::string_view text) {
    std::vector<SitemapEntry> top;
    // The list each open <UL> adds to; the outermost adds to the top level.
    std::vector<std::vector<SitemapEntry>*> lists{&top};
    int openLists = 0;
    std::optional<SitemapEntry> entry;
    std::size_t at = 0;
    while ((at = text.find('<', at)) != std::string_view::npos) {
        if (text.substr(at, 4) == "<!--") {
            at = text.find("-->", at + 4);
            if (at == std::string_view::npos)
                break;
            at += 3;
            continue;
        }
        const std::size_t end = TagEnd(text, at + 1);
        if (end == std::string_view::npos)
            break;
        std::string_view tag = text.substr(at + 1, end - at - 1);
        at = end + 1;
        const bool closing = tag.starts_with('/');
        if (closing)
            tag.remove_prefix(1);
        const std::size_t nameEnd = std::min(tag.find_first_of(" \t\r\n/"), tag.size());
        const std::string name = Lower(tag.substr(0, nameEnd));
        const std::string_view attributes = tag.substr(nameEnd);

        if (name == "ul" && !closing) {
            if (++openLists > 1) {
                std::vector<SitemapEntry>* list = lists.back();
                lists.push_back(lists.size() < MaxDepth && !list->empty() ? &list->back().Children
                                                                          : list);
            }
        } else if (name == "ul" && openLists > 0) {
            if (--openLists > 0)
                lists.pop_back();
        } else if (name == "object" && !closing) {
            if (Lower(Attribute(attributes, "type").value_or("")) == "text/sitemap")
                entry.emplace();
            else
                entry.reset();
        } else if (name == "object" && entry) {
            if (!entry->Name.isEmpty() || !entry->Local.isEmpty())
                lists.back()->push_back(std::move(*entry));
            entry.reset();
        } else if (name == "param" && entry) {
            const std::string param = Lower(Attribute(attributes, "name").value_or(""));
            const QString value = ValueText(Attribute(attributes, "value").value_or(""));
            if (param == "name" && entry->Name.isEmpty())
                entry->Name = value;
            else if (param == "local" && entry->Local.isEmpty())
                entry->Local = value;
        }
    }
    return top;
}
