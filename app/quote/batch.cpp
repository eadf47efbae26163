#include "app/quote/batch.hpp"

#include <algorithm>
#include <string>
#include <vector>

#include "app/quote/column_map.hpp"
#include "app/quote/csv_reader.hpp"
#include "app/quote/csv_writer.hpp"
#include "app/quote/quoted_text.hpp"
#include "engine/fields.hpp"
#include "engine/presets.hpp"
#include "engine/quotation.hpp"

namespace pixtallo::quote {
namespace {

constexpr std::size_t max_header_problems_shown = 20;

class Batch {
  public:
    Batch(ByteSource& source, std::string_view source_name, OutputBuffer& out,
          Diagnostics& diagnostics)
        : reader_(source), source_name_(source_name), out_(out), diagnostics_(diagnostics) {}

    ExitStatus run() {
        if (!reader_.next()) {
            diagnostics_.report(source_name_, "empty input, no header row");
            return ExitStatus::Failure;
        }
        if (!start(reader_.row())) {
            return ExitStatus::Failure;
        }
        while (reader_.next()) {
            quote(reader_.row());
            out_.flush_if_full();
        }
        return status_;
    }

  private:
    // Maps the header's columns and writes the output header; false when the header is unusable.
    bool start(const CsvRow& header) {
        if (header.error() != RowError::None) {
            report(header, "header: " + std::string(describe(header.error())));
            return false;
        }
        std::vector<std::string_view> names;
        for (std::size_t i = 0; i < header.size(); ++i) {
            names.push_back(header[i]);
        }
        HeaderCheck check = map_columns(names);
        // A header of thousands of bad columns gets a few lines, not thousands.
        const std::size_t shown = std::min(check.problems.size(), max_header_problems_shown);
        for (std::size_t i = 0; i < shown; ++i) {
            report(header, check.problems[i]);
        }
        if (check.problems.size() > shown) {
            report(header, "and " + std::to_string(check.problems.size() - shown) +
                               " more problems with the header");
        }
        if (!check.problems.empty()) {
            return false;
        }
        map_ = check.map;
        columns_ = header.size();

        std::string& text = out_.text();
        for (const std::string_view name : names) {
            append_csv_cell(text, name);
            text += ',';
        }
        for (const engine::Field field : engine::result_fields) {
            text += engine::field_name(field);
            text += field == engine::result_fields.back() ? csv_line_end : ",";
        }
        return true;
    }

    void quote(const CsvRow& row) {
        if (row.error() != RowError::None) {
            report(row, describe(row.error()));
            return;
        }
        if (row.size() != columns_) {
            report(row, "row has " + std::to_string(row.size()) +
                            (row.size() == 1 ? " cell" : " cells") + ", the header has " +
                            std::to_string(columns_));
            return;
        }
        const engine::PresetEntry* preset = engine::find_preset(row[map_.preset]);
        if (preset == nullptr) {
            report(row, "unknown preset " + quoted_text(row[map_.preset]));
            return;
        }
        // Every input column is written on every row, so no text carries over from the last row.
        for (std::size_t i = 0; i < map_.inputs.size(); ++i) {
            if (map_.inputs[i]) {
                fields_.write(engine::input_fields[i], row[*map_.inputs[i]]);
            }
        }
        engine::QuotationProcedure(preset->preset).run(fields_);

        std::string& text = out_.text();
        for (std::size_t i = 0; i < row.size(); ++i) {
            append_csv_cell(text, row[i]);
            text += ',';
        }
        for (const engine::Field field : engine::result_fields) {
            append_csv_cell(text, fields_.text(field));
            text += field == engine::result_fields.back() ? csv_line_end : ",";
        }
    }

    void report(const CsvRow& row, std::string_view message) {
        diagnostics_.report(source_name_, row.line(), message);
        status_ = ExitStatus::Failure;
    }

    CsvReader reader_;
    std::string_view source_name_;
    OutputBuffer& out_;
    Diagnostics& diagnostics_;
    ColumnMap map_;
    std::size_t columns_ = 0;
    engine::FieldTexts fields_;  // reused from row to row: no allocation once warm
    ExitStatus status_ = ExitStatus::Ok;
};

}  // namespace

ExitStatus run_batch(ByteSource& source, std::string_view source_name, OutputBuffer& out,
                     Diagnostics& diagnostics) {
    try {
        return Batch(source, source_name, out, diagnostics).run();
    } catch (const InputError& error) {
        diagnostics.report(source_name, error.what());
        return ExitStatus::Failure;
    }
}

}  // namespace pixtallo::quote
