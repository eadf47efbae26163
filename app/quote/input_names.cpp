#include "app/quote/input_names.hpp"

namespace pixtallo::quote {
namespace {

constexpr bool in_engine_order() {
    for (std::size_t i = 0; i < input_names.size(); ++i) {
        if (input_names[i].field != engine::input_fields[i]) {
            return false;
        }
    }
    return true;
}
static_assert(in_engine_order());

}  // namespace

std::optional<std::size_t> input_by_ascii_name(std::string_view name) noexcept {
    for (std::size_t i = 0; i < input_names.size(); ++i) {
        if (input_names[i].ascii == name) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> input_by_any_name(std::string_view name) noexcept {
    for (std::size_t i = 0; i < input_names.size(); ++i) {
        if (engine::field_name(input_names[i].field) == name) {
            return i;
        }
    }
    return input_by_ascii_name(name);
}

}  // namespace pixtallo::quote
