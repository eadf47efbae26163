#pragma once
// The whole program but for process set-up: reads standard input, writes standard output.

#include <ostream>
#include <span>
#include <string_view>

#include "app/quote/exit_status.hpp"

namespace pixtallo::quote {

// `args` without the program's name; messages go to `errors`.
ExitStatus run_cli(std::span<const std::string_view> args, std::ostream& errors);

}  // namespace pixtallo::quote
