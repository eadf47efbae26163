#include "launch/posix/posix_process_services.hpp"

#include <cstdlib>
#include <ostream>

#include "launch/posix/detached_process.hpp"

namespace pixtallo::launch::posix {

PosixProcessServices::PosixProcessServices(std::string search_path, std::ostream& errors)
    : search_path_(std::move(search_path)), errors_(errors) {}

bool PosixProcessServices::shell_open(std::string_view address) {
    return start_first({"xdg-open"}, address);
}

bool PosixProcessServices::open_in_web_browser(std::string_view address) {
    return start_first({"x-www-browser", "sensible-browser"}, address);
}

bool PosixProcessServices::open_web_page(std::string_view address) {
    return shell_open(address);
}

// The desktops' own calculators, GNOME's and KDE's first.
std::string PosixProcessServices::system_calculator() {
    for (const std::string_view program :
         {"gnome-calculator", "kcalc", "mate-calc", "galculator", "qalculate-qt", "xcalc"}) {
        std::string path = find_program(program, search_path_);
        if (!path.empty()) {
            return path;
        }
    }
    return {};
}

std::optional<StartedProgram> PosixProcessServices::start_program(const std::string& command) {
    if (!start_detached(command, {})) {
        return std::nullopt;
    }
    return StartedProgram{};
}

// The program has been executed by the time start_program returns, and X11 and Wayland know no
// "waiting for input" state to wait for, so there is nothing more to wait for here.
void PosixProcessServices::wait_until_ready(const StartedProgram&, std::chrono::milliseconds) {}

// Nothing is held: the program is not our child and no handle was opened.
void PosixProcessServices::release(const StartedProgram&) {}

void PosixProcessServices::report(std::string_view message) {
    errors_ << "pixtallo: " << message << std::endl;
}

bool PosixProcessServices::start_first(std::initializer_list<std::string_view> programs,
                                       std::string_view address) {
    for (const std::string_view program : programs) {
        const std::string path = find_program(program, search_path_);
        if (!path.empty() && start_detached(path, {std::string(address)})) {
            return true;
        }
    }
    return false;
}

std::string user_search_path() {
    const char* path = std::getenv("PATH");
    return path != nullptr ? path : "/usr/local/bin:/usr/bin:/bin";
}

}  // namespace pixtallo::launch::posix
