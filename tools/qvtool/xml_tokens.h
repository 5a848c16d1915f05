// A small XML tokenizer for the puzzle files the tool reads: tags with attributes, and text.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct XmlToken {
    enum class Kind { Open, Close, Text };
    Kind Type = Kind::Text;
    std::string Name; // the tag's name; empty for text
    std::vector<std::pair<std::string, std::string>> Attributes;
    std::string Text; // entities replaced
    bool SelfClosing = false;

    // The attribute's value; empty when the tag has none by that name.
    std::string Attribute(std::string_view name) const;
};

// Comments, processing instructions, DOCTYPE and CDATA-free markup are skipped; nesting is not
// checked, the caller only looks for the elements it knows. Nothing, with the reason in `error`,
// for a tag that does not close or an unknown entity.
std::optional<std::vector<XmlToken>> TokenizeXml(std::string_view text, std::string& error);
