#include "launch/open_link.hpp"

#include <string>

namespace pixtallo::launch {

void open_link(ProcessServices& services, std::string_view address) {
    if (services.shell_open(address) || services.open_in_web_browser(address)) {
        return;
    }
    services.report("cannot open " + std::string(address) +
                    ": neither the desktop's opener nor a web browser could be started");
}

}  // namespace pixtallo::launch
