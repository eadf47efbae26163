#pragma once

#include <string_view>

#include "launch/process_services.hpp"

namespace pixtallo::launch {

// Opens a link's address: through the shell's opener, and when that fails through the web-page
// handler with the address added. Never blocks and never shows anything; when both fail, the
// failure is reported where the user does not see it.
void open_link(ProcessServices& services, std::string_view address);

}  // namespace pixtallo::launch
