#include "launch/launchers.hpp"

#include <string>

namespace pixtallo::launch {

void run_system_calculator(ProcessServices& services) {
    const std::string calculator = services.system_calculator();
    if (calculator.empty()) {
        services.report(
            "no calculator to start: none of the known desktop calculators is installed");
        return;
    }
    const auto started = services.start_program(calculator);
    if (!started) {
        services.report("cannot start the calculator " + calculator);
        return;
    }
    services.wait_until_ready(*started, calculator_ready_limit);
    services.release(*started);
}

void open_banner_web_page(ProcessServices& services) {
    if (!services.open_web_page(banner_web_page)) {
        services.report("cannot open " + std::string(banner_web_page) +
                        ": the desktop's opener could not be started");
    }
}

}  // namespace pixtallo::launch
