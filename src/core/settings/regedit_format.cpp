// Registry contents as the text of a REGEDIT4 export, which Windows' registry editor imports.
#include "settings/regedit_format.h"

#include "base/text.h"
#include "base/code_page.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace {

constexpr std::string_view Header = "REGEDIT4";
constexpr std::string_view RootName = "HKEY_CURRENT_USER";
constexpr std::string_view LineEnd = "\r\n";
// Long hex data is continued on further lines so that none passes the 80 columns regedit keeps.
constexpr std::size_t HexLineWidth = 78;
constexpr std::string_view HexDigits = "0123456789abcdef";
constexpr std::string_view UpperHexDigits = "0123456789ABCDEF";

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsControl(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool IsHexPair(std::string_view text, std::size_t at) {
    return at + 1 < text.size() && HexValue(text[at]) >= 0 && HexValue(text[at + 1]) >= 0;
}

std::string_view Trimmed(std::string_view text) {
    return TrimmedOf(text, SpacesAndTabs);
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && std::ranges::equal(text.substr(0, prefix.size()), prefix,
                                                              {}, Cp1252UpperCase, Cp1252UpperCase);
}

// Names in the file escape what could end a line, a quoted name or a section header: a control
// character, and in a key name also ']', is written as '%' and two upper-case hex digits. A '%'
// becomes "%25" only where two hex digits follow it, so "100% done" stays readable as it is while
// every name still reads back exactly. Regedit, which knows nothing of the escape, imports an
// escaped name as the text shown.
std::string EscapedName(std::string_view name, bool keyName) {
    std::string escaped;
    escaped.reserve(name.size());
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char c = name[i];
        if (IsControl(c) || (keyName && c == ']') || (c == '%' && IsHexPair(name, i + 1))) {
            const auto byte = static_cast<unsigned char>(c);
            escaped += '%';
            escaped += UpperHexDigits[byte >> 4];
            escaped += UpperHexDigits[byte & 0x0F];
        } else {
            escaped += c;
        }
    }
    return escaped;
}

std::string UnescapedName(std::string_view text) {
    std::string name;
    name.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && IsHexPair(text, i + 1)) {
            name += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
            i += 2;
        } else {
            name += text[i];
        }
    }
    return name;
}

std::string Quoted(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '\\' || c == '"')
            quoted += '\\';
        quoted += c;
    }
    return quoted + '"';
}

// Reads the quoted text at the start of text, which begins with '"'. A backslash makes the next
// quote or backslash plain; before any other character it is kept as it stands. Returns the
// length taken, quotes included, or nothing when the closing quote is missing.
std::optional<std::size_t> ReadQuoted(std::string_view text, std::string& out) {
    for (std::size_t i = 1; i < text.size(); ++i) {
        if (text[i] == '"')
            return i + 1;
        if (text[i] == '\\' && i + 1 < text.size() && (text[i + 1] == '\\' || text[i + 1] == '"'))
            ++i;
        out += text[i];
    }
    return std::nullopt;
}

// The physical lines of the text, without their LF or CRLF.
class LineReader {
public:
    explicit LineReader(std::string_view text) : Rest(text) {}

    bool AtEnd() const { return Rest.empty(); }

    std::string_view Peek() const {
        std::string_view line = Rest.substr(0, Rest.find('\n'));
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        return line;
    }

    std::string_view Next() {
        const std::string_view line = Peek();
        const std::size_t end = Rest.find('\n');
        Rest.remove_prefix(end == std::string_view::npos ? Rest.size() : end + 1);
        return line;
    }

private:
    std::string_view Rest;
};

// Reads "00,0a,ff" items after "hex:". A line ending in '\' continues on the next one when that
// line starts with a hex digit; otherwise the data was cut short, and the next line is left to
// be read as what it is, so a truncated value cannot swallow the section after it.
bool ReadHexBytes(std::string_view text, LineReader& lines, std::string& bytes) {
    std::size_t i = 0;
    for (;;) {
        while (i < text.size() && IsBlank(text[i]))
            ++i;
        if (i == text.size())
            return true;
        if (text[i] == '\\') {
            if (!Trimmed(text.substr(i + 1)).empty() || lines.AtEnd())
                return false;
            const std::string_view next = Trimmed(lines.Peek());
            if (next.empty() || HexValue(next.front()) < 0)
                return false;
            text = Trimmed(lines.Next());
            i = 0;
            continue;
        }
        if (HexValue(text[i]) < 0)
            return false;
        int byte = HexValue(text[i++]);
        if (i < text.size() && HexValue(text[i]) >= 0)
            byte = byte * 16 + HexValue(text[i++]);
        bytes += static_cast<char>(byte);
        while (i < text.size() && IsBlank(text[i]))
            ++i;
        if (i < text.size() && text[i] == ',')
            ++i;
        else if (i < text.size() && text[i] != '\\')
            return false;
    }
}

// Reads the "hex:" or "hex(N):" prefix, leaving the items; the type is Binary for plain "hex:".
std::optional<RegistryValueType> ReadHexType(std::string_view& data) {
    data.remove_prefix(3);
    if (data.starts_with(':')) {
        data.remove_prefix(1);
        return RegistryValueType::Binary;
    }
    const std::size_t close = data.find("):");
    if (!data.starts_with('(') || close < 2 || close > 9)
        return std::nullopt;
    std::uint32_t type = 0;
    for (const char c : data.substr(1, close - 1)) {
        if (HexValue(c) < 0)
            return std::nullopt;
        type = type * 16 + static_cast<std::uint32_t>(HexValue(c));
    }
    data.remove_prefix(close + 2);
    return static_cast<RegistryValueType>(type);
}

// Reads what follows the '=' of a value line into value.
bool ReadValueData(std::string_view data, LineReader& lines, RegistryValue& value) {
    if (data.starts_with('"')) {
        value.Type = RegistryValueType::String;
        const std::optional<std::size_t> length = ReadQuoted(data, value.Data);
        return length && Trimmed(data.substr(*length)).empty();
    }
    if (StartsWithIgnoringCase(data, "dword:")) {
        const std::string_view digits = data.substr(6);
        if (digits.empty() || digits.size() > 8 ||
            !std::ranges::all_of(digits, [](char c) { return HexValue(c) >= 0; }))
            return false;
        std::uint32_t number = 0;
        for (const char c : digits)
            number = number * 16 + static_cast<std::uint32_t>(HexValue(c));
        value.Type = RegistryValueType::Integer;
        value.Data = DwordData(number);
        return true;
    }
    if (StartsWithIgnoringCase(data, "hex")) {
        const std::optional<RegistryValueType> type = ReadHexType(data);
        if (!type)
            return false;
        value.Type = *type;
        return ReadHexBytes(data, lines, value.Data);
    }
    return false;
}

// Reads '"Name"=data' or '@=data' into the key; the data may continue on the lines after.
bool ReadValueLine(std::string_view line, LineReader& lines, RegistryHive& key) {
    RegistryValue value;
    std::size_t at = 1;
    if (line.front() == '"') {
        std::string escapedName;
        const std::optional<std::size_t> length = ReadQuoted(line, escapedName);
        if (!length)
            return false;
        value.Name = UnescapedName(escapedName);
        at = *length;
    } else if (line.front() != '@') {
        return false;
    }
    const std::string_view rest = Trimmed(line.substr(at));
    if (!rest.starts_with('=') || !ReadValueData(Trimmed(rest.substr(1)), lines, value))
        return false;
    key.SetValue(std::move(value));
    return true;
}

// The key a "[HKEY_CURRENT_USER\...]" line names, created if new; null when the line names no
// key of this hive.
RegistryHive* SectionKey(std::string_view line, RegistryHive& root) {
    if (!line.ends_with(']'))
        return nullptr;
    const std::string_view path = line.substr(1, line.size() - 2);
    const std::size_t rootEnd = std::min(path.find('\\'), path.size());
    if (!StartsWithIgnoringCase(path, RootName) || rootEnd != RootName.size())
        return nullptr;
    std::vector<std::string> names;
    std::size_t start = rootEnd + 1;
    while (start <= path.size() && names.size() <= RegistryHive::MaxDepth) {
        const std::size_t end = std::min(path.find('\\', start), path.size());
        names.push_back(UnescapedName(path.substr(start, end - start)));
        start = end + 1;
    }
    return root.CreateKey(names);
}

// The number in lower-case hex digits, padded with zeros to the width.
std::string HexNumber(std::uint32_t number, std::size_t width) {
    std::string digits;
    do {
        digits.insert(digits.begin(), HexDigits[number & 0x0F]);
        number >>= 4;
    } while (number != 0 || digits.size() < width);
    return digits;
}

void AppendHex(std::string& out, std::size_t lineStart, std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (out.size() - lineStart + 3 > HexLineWidth) {
            out += '\\';
            out += LineEnd;
            lineStart = out.size();
            out += "  ";
        }
        out += HexNumber(static_cast<unsigned char>(bytes[i]), 2);
        if (i + 1 < bytes.size())
            out += ',';
    }
}

void AppendValue(std::string& out, const RegistryValue& value) {
    const std::size_t lineStart = out.size();
    out += value.Name.empty() ? "@" : Quoted(EscapedName(value.Name, false));
    out += '=';
    const bool plainString = !std::ranges::any_of(value.Data, IsControl);
    if (value.Type == RegistryValueType::String && plainString) {
        out += Quoted(value.Data);
    } else if (value.Type == RegistryValueType::String) {
        // A line break or another control character cannot stand in a quoted string; the bytes
        // with their terminating NUL as hex(1) are the same REG_SZ value to regedit.
        out += "hex(1):";
        AppendHex(out, lineStart, value.Data + '\0');
    } else if (value.Type == RegistryValueType::Integer && value.Data.size() == 4) {
        out += "dword:" + HexNumber(DwordOf(value.Data), 8);
    } else {
        const auto type = static_cast<std::uint32_t>(value.Type);
        out +=
            value.Type == RegistryValueType::Binary ? "hex:" : "hex(" + HexNumber(type, 1) + "):";
        AppendHex(out, lineStart, value.Data);
    }
    out += LineEnd;
}

// Writes "[path]" and the key's values; path is the key's escaped full name.
void AppendSection(std::string& out, const std::string& path, const RegistryHive& key) {
    out += '[' + path + ']';
    out += LineEnd;
    for (const auto& entry : key.Values())
        AppendValue(out, entry.second);
    out += LineEnd;
}

// Writes the sections of every key below the one at path, each before its own subkeys.
void AppendSubkeys(std::string& out, std::string& path, const RegistryHive& key) {
    for (const auto& entry : key.Subkeys()) {
        const std::size_t parentLength = path.size();
        path += '\\' + EscapedName(entry.second->Name(), true);
        AppendSection(out, path, *entry.second);
        AppendSubkeys(out, path, *entry.second);
        path.resize(parentLength);
    }
}

} // namespace

ParsedRegedit ParseRegedit(std::string_view text) {
    ParsedRegedit parsed;
    LineReader lines(text);
    if (!lines.AtEnd() && Trimmed(lines.Peek()) == Header)
        lines.Next();
    else if (!text.empty())
        ++parsed.SkippedLines;
    RegistryHive* key = nullptr; // the section the next values belong to
    while (!lines.AtEnd()) {
        const std::string_view line = Trimmed(lines.Next());
        if (line.empty() || line.front() == ';')
            continue;
        bool read = false;
        if (line.front() == '[') {
            key = SectionKey(line, parsed.Hive);
            read = key != nullptr;
        } else {
            read = key != nullptr && ReadValueLine(line, lines, *key);
        }
        if (!read)
            ++parsed.SkippedLines;
    }
    return parsed;
}

std::string RegeditText(const RegistryHive& hive) {
    std::string out(Header);
    out += LineEnd;
    out += LineEnd;
    std::string path(RootName);
    if (!hive.Values().empty())
        AppendSection(out, path, hive);
    AppendSubkeys(out, path, hive);
    return out;
}
