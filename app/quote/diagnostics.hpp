#pragma once
// Messages on standard error, each one line starting with the program's name.

#include <cstddef>
#include <ostream>
#include <string_view>

namespace pixtallo::quote {

inline constexpr std::string_view program_name = "pixtallo-quote";

class Diagnostics {
  public:
    explicit Diagnostics(std::ostream& out) noexcept : out_(out) {}

    // "pixtallo-quote: message"
    void report(std::string_view message);
    // "pixtallo-quote: source: message"
    void report(std::string_view source, std::string_view message);
    // "pixtallo-quote: source:line: message"
    void report(std::string_view source, std::size_t line, std::string_view message);

  private:
    std::ostream& out_;
};

}  // namespace pixtallo::quote
