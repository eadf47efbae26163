// The hypertext parser on arbitrary bytes: never crashes, and every link's address is a piece of
// the content.

#include <cstdint>
#include <string_view>

#include "fuzz/fuzz_check.hpp"
#include "ui/hypertext/hypertext.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view content(reinterpret_cast<const char*>(data), size);
    const pixtallo::ui::Hypertext document = pixtallo::ui::parse_hypertext(content);
    for (const auto& address : document.links) {
        PIXTALLO_FUZZ_CHECK(content.find(address) != std::string_view::npos);
    }
    for (const auto& run : document.runs) {
        PIXTALLO_FUZZ_CHECK(!run.link || *run.link < document.links.size());
    }
    return 0;
}
