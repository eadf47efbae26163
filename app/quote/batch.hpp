#pragma once
// Quotes every row of a CSV input and writes the rows with their results as CSV.

#include <string_view>

#include "app/quote/byte_source.hpp"
#include "app/quote/diagnostics.hpp"
#include "app/quote/exit_status.hpp"
#include "app/quote/output_buffer.hpp"

namespace pixtallo::quote {

// `source_name` is how messages name the input. Bad rows are reported and skipped; a bad header
// or an empty input stops the batch before any output. Throws OutputError.
ExitStatus run_batch(ByteSource& source, std::string_view source_name, OutputBuffer& out,
                     Diagnostics& diagnostics);

}  // namespace pixtallo::quote
