#pragma once
// The small hypertext view's model: its content parsed into runs of text, tabs and line breaks,
// some of them belonging to links. Pure; never fails, whatever the content.
//
// In text outside tags a line feed starts a new line, a carriage return is dropped, a tab moves
// to the next tab position, and blanks are kept one by one. Character entities are replaced. An
// `a` element makes its content a link; `br` breaks the line; other tags are ignored.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pixtallo::ui {

enum class RunKind { Text, Tab, LineBreak };

struct Run {
    RunKind kind;
    std::string text;                 // for Text runs: UTF-8, entities replaced
    std::optional<std::size_t> link;  // index into Hypertext::links when inside an `a` element
    friend bool operator==(const Run&, const Run&) = default;
};

struct Hypertext {
    std::vector<Run> runs;
    // Each `a` element's address, exactly as its href gives it (no entity is replaced, so an
    // address is always a piece of the content); empty when it has no href.
    std::vector<std::string> links;
};

Hypertext parse_hypertext(std::string_view content);

// The address of an `a` tag's href, from the tag's text between "<" and ">": blanks around "="
// are skipped; a value that begins with a double quote runs to the next one (or the tag's end);
// any other value runs to the next blank or the tag's end. Empty when there is no href.
std::string_view href_address(std::string_view tag);

}  // namespace pixtallo::ui
