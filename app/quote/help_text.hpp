#pragma once

#include <string>

namespace pixtallo::quote {

// What --help prints.
std::string help_text();

}  // namespace pixtallo::quote
