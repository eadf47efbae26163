// Side-by-side costs of the engine's conversions and the standard library's, on the same inputs,
// and of one whole quotation run.

#include <benchmark/benchmark.h>

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "engine/convert.hpp"
#include "engine/presets.hpp"
#include "engine/quotation.hpp"

namespace {

using namespace pixtallo::engine;

// 1,000 varied doubles: a quarter each of random bit patterns, prices and sizes as typed,
// quotation-like products, and magnitudes across the whole range.
const std::vector<double>& varied_doubles() {
    static const std::vector<double> values = [] {
        std::mt19937_64 random(2026);
        std::vector<double> out;
        while (out.size() < 1000) {
            const double bits = std::bit_cast<double>(random());
            const double typed = static_cast<double>(random() % 1'000'000) / 100.0;
            const double product = typed * (static_cast<double>(random() % 10'000) / 1000.0);
            const double scaled = std::ldexp(1.0 + static_cast<double>(random() % 1000) / 1000.0,
                                             static_cast<int>(random() % 2000) - 1000);
            for (double x : {bits, typed, product, scaled}) {
                if (std::isfinite(x)) {
                    out.push_back(x);
                }
            }
        }
        out.resize(1000);
        return out;
    }();
    return values;
}

// The same doubles as shortest ASCII texts, which both readers understand.
const std::vector<std::string>& varied_texts() {
    static const std::vector<std::string> texts = [] {
        std::vector<std::string> out;
        for (double x : varied_doubles()) {
            std::array<char, 32> buffer{};
            const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x).ptr;
            out.emplace_back(buffer.data(), end);
        }
        return out;
    }();
    return texts;
}

void real_form(benchmark::State& state) {
    for (auto _ : state) {
        for (double x : varied_doubles()) {
            benchmark::DoNotOptimize(number_to_text(x));
        }
    }
    state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(real_form)->Name("number_to_text(real) x1000");

void to_chars_shortest(benchmark::State& state) {
    std::array<char, 32> buffer{};
    for (auto _ : state) {
        for (double x : varied_doubles()) {
            benchmark::DoNotOptimize(
                std::to_chars(buffer.data(), buffer.data() + buffer.size(), x).ptr);
        }
    }
    state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(to_chars_shortest)->Name("std::to_chars(shortest) x1000");

void text_to_number_bench(benchmark::State& state) {
    for (auto _ : state) {
        for (const std::string& text : varied_texts()) {
            benchmark::DoNotOptimize(text_to_number(text));
        }
    }
    state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(text_to_number_bench)->Name("text_to_number x1000");

void from_chars_bench(benchmark::State& state) {
    for (auto _ : state) {
        for (const std::string& text : varied_texts()) {
            double value = 0;
            std::from_chars(text.data(), text.data() + text.size(), value);
            benchmark::DoNotOptimize(value);
        }
    }
    state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(from_chars_bench)->Name("std::from_chars x1000");

void quotation_run(benchmark::State& state) {
    FieldTexts fields;
    const std::pair<Field, const char*> inputs[] = {
        {Field::Width, "5.2"},   {Field::Height, "2.1"},     {Field::Card, "1500"},
        {Field::PsuPrice, "75"}, {Field::ModulePrice, "95"}, {Field::FramePrice, "30"},
        {Field::Other, "500"},   {Field::Price, "2800"},
    };
    for (const auto& [field, text] : inputs) {
        fields.write(field, text);
    }
    const QuotationProcedure procedure(find_preset("P10-4090")->preset);
    for (auto _ : state) {
        procedure.run(fields);
        benchmark::DoNotOptimize(fields.text(Field::Total).data());
    }
}
BENCHMARK(quotation_run)->Name("QuotationProcedure run");

}  // namespace

BENCHMARK_MAIN();
