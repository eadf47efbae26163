// Checks text_to_number against glibc's strtod over seeded random number texts, written with a
// random mix of ASCII and full-width characters, "d" exponents, leading white space and trailing
// text. strtod reads the ASCII spelling of the same number.

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>

#include "engine/convert.hpp"

namespace pixtallo::engine {
namespace {

// The full-width form of an ASCII character 0x21..0x7E, as UTF-8.
std::string full_width(char c) {
    const auto cp = static_cast<unsigned>(static_cast<unsigned char>(c)) + 0xFEE0u;
    return {static_cast<char>(0xE0 | (cp >> 12)), static_cast<char>(0x80 | ((cp >> 6) & 0x3F)),
            static_cast<char>(0x80 | (cp & 0x3F))};
}

struct RandomNumberText {
    std::string text;   // what a user might type
    std::string ascii;  // the same number for strtod
};

RandomNumberText random_number_text(std::mt19937_64& random) {
    auto chance = [&](int percent) { return static_cast<int>(random() % 100) < percent; };
    RandomNumberText out;
    auto put = [&](char c, char ascii) {
        out.text += chance(20) ? full_width(c) : std::string(1, c);
        out.ascii += ascii;
    };
    if (chance(20)) {
        out.text += chance(50) ? "\u3000" : " \t";
    }
    if (chance(40)) {
        const char sign = chance(50) ? '-' : '+';
        put(sign, sign);
    }
    const int digits = 1 + static_cast<int>(random() % 25);
    const int point = static_cast<int>(random() % static_cast<unsigned>(digits + 2)) - 1;
    for (int i = 0; i < digits; ++i) {
        if (i == point) {
            put('.', '.');
        }
        const char d = static_cast<char>('0' + random() % 10);
        put(d, d);
    }
    if (point == digits) {
        put('.', '.');
    }
    if (chance(50)) {
        const char letters[] = "eEdD";
        put(letters[random() % 4], 'e');
        if (chance(50)) {
            const char sign = chance(50) ? '-' : '+';
            put(sign, sign);
        }
        const int exponent_digits = 1 + static_cast<int>(random() % 3);
        for (int i = 0; i < exponent_digits; ++i) {
            const char d = static_cast<char>('0' + random() % 10);
            put(d, d);
        }
    }
    if (chance(30)) {
        out.text += chance(50) ? "米" : "e+x";
    }
    return out;
}

TEST(TextToNumberReference, AgreesWithStrtodOnRandomTexts) {
    std::mt19937_64 random(1211);
    int failures = 0;
    for (int i = 0; i < 1'000'000; ++i) {
        const RandomNumberText number = random_number_text(random);
        const double want = std::strtod(number.ascii.c_str(), nullptr);
        const double got = text_to_number(number.text);
        if (std::bit_cast<std::uint64_t>(got) != std::bit_cast<std::uint64_t>(want) &&
            ++failures <= 20) {
            ADD_FAILURE() << number.text << ": got " << got << ", strtod " << want;
        }
    }
    EXPECT_EQ(failures, 0);
}

}  // namespace
}  // namespace pixtallo::engine
