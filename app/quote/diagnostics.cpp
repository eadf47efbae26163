#include "app/quote/diagnostics.hpp"

namespace pixtallo::quote {

void Diagnostics::report(std::string_view message) {
    out_ << program_name << ": " << message << '\n' << std::flush;
}

void Diagnostics::report(std::string_view source, std::string_view message) {
    out_ << program_name << ": " << source << ": " << message << '\n' << std::flush;
}

void Diagnostics::report(std::string_view source, std::size_t line, std::string_view message) {
    out_ << program_name << ": " << source << ':' << line << ": " << message << '\n' << std::flush;
}

}  // namespace pixtallo::quote
