#include "ui/hypertext/hypertext.hpp"

#include <charconv>
#include <cstdint>

namespace pixtallo::ui {
namespace {

bool is_blank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
}

bool equal_ignoring_case(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

void append_utf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// The character an entity stands for, from the text between "&" and ";"; none when unknown.
std::optional<char32_t> entity_character(std::string_view name) {
    if (name == "amp")
        return U'&';
    if (name == "lt")
        return U'<';
    if (name == "gt")
        return U'>';
    if (name == "quot")
        return U'"';
    if (name == "apos")
        return U'\'';
    if (name == "nbsp")
        return U'\u00A0';
    if (name.size() >= 2 && name[0] == '#') {
        const bool hex = name[1] == 'x' || name[1] == 'X';
        const std::string_view digits = name.substr(hex ? 2 : 1);
        std::uint32_t cp = 0;
        const auto [end, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), cp, hex ? 16 : 10);
        const bool whole = error == std::errc() && end == digits.data() + digits.size();
        if (whole && !digits.empty() && cp > 0 && cp <= 0x10FFFF &&
            !(cp >= 0xD800 && cp <= 0xDFFF)) {
            return static_cast<char32_t>(cp);
        }
    }
    return std::nullopt;
}

// Where the tag that starts at content[open] ("<") ends (">"), or npos when it never does. A
// ">" inside a double-quoted value does not end it, unless the quote is never closed.
std::size_t tag_end(std::string_view content, std::size_t open) {
    bool quoted = false;
    for (std::size_t i = open + 1; i < content.size(); ++i) {
        if (content[i] == '"') {
            quoted = !quoted;
        } else if (content[i] == '>' && !quoted) {
            return i;
        }
    }
    return quoted ? content.find('>', open + 1) : std::string_view::npos;
}

class Parser {
  public:
    Hypertext parse(std::string_view content) {
        std::size_t i = 0;
        while (i < content.size()) {
            const char c = content[i];
            if (c == '<') {
                const std::size_t end = tag_end(content, i);
                if (end != std::string_view::npos) {
                    tag(content.substr(i + 1, end - i - 1));
                    i = end + 1;
                    continue;
                }
                text_ += c;  // a "<" that opens no tag is text
            } else if (c == '&') {
                const std::size_t semicolon = content.find(';', i + 1);
                const auto cp = semicolon == std::string_view::npos || semicolon - i > 12
                                    ? std::nullopt
                                    : entity_character(content.substr(i + 1, semicolon - i - 1));
                if (cp) {
                    append_utf8(text_, *cp);
                    i = semicolon + 1;
                    continue;
                }
                text_ += c;
            } else if (c == '\n') {
                push(RunKind::LineBreak);
            } else if (c == '\t') {
                push(RunKind::Tab);
            } else if (c != '\r') {
                text_ += c;
            }
            ++i;
        }
        flush_text();
        return std::move(document_);
    }

  private:
    void tag(std::string_view inside) {
        std::size_t name_end = 0;
        while (name_end < inside.size() && !is_blank(inside[name_end]) && inside[name_end] != '/') {
            ++name_end;
        }
        if (name_end == 0 && !inside.empty() && inside[0] == '/') {  // a closing tag
            std::size_t end = 1;
            while (end < inside.size() && !is_blank(inside[end])) {
                ++end;
            }
            if (equal_ignoring_case(inside.substr(1, end - 1), "a")) {
                flush_text();
                link_.reset();
            }
            return;
        }
        const std::string_view name = inside.substr(0, name_end);
        if (equal_ignoring_case(name, "a")) {
            flush_text();
            link_ = document_.links.size();
            document_.links.emplace_back(href_address(inside));
        } else if (equal_ignoring_case(name, "br")) {
            push(RunKind::LineBreak);
        }
    }

    void push(RunKind kind) {
        flush_text();
        document_.runs.push_back({kind, {}, link_});
    }

    void flush_text() {
        if (!text_.empty()) {
            document_.runs.push_back({RunKind::Text, std::move(text_), link_});
            text_.clear();
        }
    }

    Hypertext document_;
    std::string text_;
    std::optional<std::size_t> link_;
};

}  // namespace

std::string_view href_address(std::string_view tag) {
    for (std::size_t at = 0; at + 4 <= tag.size(); ++at) {
        // An attribute name starts after a blank.
        if (at == 0 || !is_blank(tag[at - 1]) || !equal_ignoring_case(tag.substr(at, 4), "href")) {
            continue;
        }
        std::size_t i = at + 4;
        while (i < tag.size() && is_blank(tag[i])) {
            ++i;
        }
        if (i >= tag.size() || tag[i] != '=') {
            continue;
        }
        ++i;
        while (i < tag.size() && is_blank(tag[i])) {
            ++i;
        }
        if (i < tag.size() && tag[i] == '"') {
            const std::size_t close = tag.find('"', i + 1);
            return tag.substr(
                i + 1, close == std::string_view::npos ? std::string_view::npos : close - i - 1);
        }
        std::size_t end = i;
        while (end < tag.size() && !is_blank(tag[end])) {
            ++end;
        }
        return tag.substr(i, end - i);
    }
    return {};
}

Hypertext parse_hypertext(std::string_view content) {
    return Parser().parse(content);
}

}  // namespace pixtallo::ui
