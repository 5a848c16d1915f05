// A small XML tokenizer for the puzzle files the tool reads.
#include "xml_tokens.h"

#include "text_lines.h"

#include <cctype>

std::string XmlToken::Attribute(std::string_view name) const {
    for (const auto& [key, value] : Attributes)
        if (key == name)
            return value;
    return {};
}

namespace {

void AppendUtf8(std::string& out, unsigned code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

std::optional<std::string> DecodeEntities(std::string_view text, std::string& error) {
    std::string out;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] != '&') {
            out += text[i++];
            continue;
        }
        const std::size_t semicolon = text.find(';', i);
        const std::string_view entity = semicolon == std::string_view::npos
                                            ? text.substr(i, 12)
                                            : text.substr(i + 1, semicolon - i - 1);
        static constexpr std::pair<std::string_view, char> named[] = {
            {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};
        bool known = false;
        for (const auto& [name, c] : named)
            if (entity == name) {
                out += c;
                known = true;
            }
        if (!known && entity.size() > 1 && entity.front() == '#') {
            const bool hex = entity[1] == 'x';
            unsigned code = 0;
            bool valid = entity.size() > (hex ? 2u : 1u) && entity.size() <= 8;
            for (const char c : entity.substr(hex ? 2 : 1)) {
                const int digit = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                                  : hex && std::isxdigit(static_cast<unsigned char>(c))
                                      ? std::tolower(static_cast<unsigned char>(c)) - 'a' + 10
                                      : -1;
                valid = valid && digit >= 0;
                code = code * (hex ? 16 : 10) + static_cast<unsigned>(digit < 0 ? 0 : digit);
            }
            if (valid && code > 0 && code <= 0x10FFFF) {
                AppendUtf8(out, code);
                known = true;
            }
        }
        if (!known || semicolon == std::string_view::npos) {
            error = "unknown entity &" + QuotedForMessage(entity);
            return std::nullopt;
        }
        i = semicolon + 1;
    }
    return out;
}

bool IsNameChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-' || c == ':' ||
           c == '.';
}

// Reads one tag's inside, the text between '<' and '>'.
std::optional<XmlToken> ParseTag(std::string_view inside, std::string& error) {
    XmlToken token;
    token.Type = XmlToken::Kind::Open;
    if (!inside.empty() && inside.front() == '/') {
        token.Type = XmlToken::Kind::Close;
        inside.remove_prefix(1);
    }
    if (!inside.empty() && inside.back() == '/') {
        token.SelfClosing = true;
        inside.remove_suffix(1);
    }
    std::size_t i = 0;
    while (i < inside.size() && IsNameChar(inside[i]))
        ++i;
    token.Name = std::string(inside.substr(0, i));
    if (token.Name.empty()) {
        error = "a tag without a name";
        return std::nullopt;
    }
    while (true) {
        while (i < inside.size() && std::isspace(static_cast<unsigned char>(inside[i])))
            ++i;
        if (i == inside.size())
            return token;
        const std::size_t nameStart = i;
        while (i < inside.size() && IsNameChar(inside[i]))
            ++i;
        const std::string_view name = inside.substr(nameStart, i - nameStart);
        while (i < inside.size() && std::isspace(static_cast<unsigned char>(inside[i])))
            ++i;
        if (name.empty() || i + 1 >= inside.size() || inside[i] != '=') {
            error = "a malformed attribute in <" + token.Name.substr(0, 24) + ">";
            return std::nullopt;
        }
        ++i;
        while (i < inside.size() && std::isspace(static_cast<unsigned char>(inside[i])))
            ++i;
        const char quote = i < inside.size() ? inside[i] : '\0';
        const std::size_t close =
            quote == '"' || quote == '\'' ? inside.find(quote, i + 1) : std::string_view::npos;
        if (close == std::string_view::npos) {
            error = "an attribute without quotes in <" + token.Name.substr(0, 24) + ">";
            return std::nullopt;
        }
        auto value = DecodeEntities(inside.substr(i + 1, close - i - 1), error);
        if (!value)
            return std::nullopt;
        token.Attributes.emplace_back(std::string(name), std::move(*value));
        i = close + 1;
    }
}

} // namespace

std::optional<std::vector<XmlToken>> TokenizeXml(std::string_view text, std::string& error) {
    std::vector<XmlToken> tokens;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] != '<') {
            const std::size_t next = std::min(text.find('<', i), text.size());
            auto decoded = DecodeEntities(text.substr(i, next - i), error);
            if (!decoded)
                return std::nullopt;
            if (!TrimSpaces(*decoded).empty())
                tokens.push_back({XmlToken::Kind::Text, {}, {}, std::move(*decoded), false});
            i = next;
            continue;
        }
        const std::string_view rest = text.substr(i);
        std::string_view closing = ">";
        if (rest.starts_with("<!--"))
            closing = "-->";
        else if (rest.starts_with("<?"))
            closing = "?>";
        const std::size_t end = text.find(closing, i + 1);
        if (end == std::string_view::npos) {
            error = "a tag that does not close";
            return std::nullopt;
        }
        if (rest[1] != '!' && rest[1] != '?') {
            auto token = ParseTag(text.substr(i + 1, end - i - 1), error);
            if (!token)
                return std::nullopt;
            tokens.push_back(std::move(*token));
        }
        i = end + closing.size();
    }
    return tokens;
}
