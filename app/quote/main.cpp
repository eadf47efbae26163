#include <csignal>
#include <exception>
#include <iostream>
#include <string_view>
#include <vector>

#include "app/quote/cli.hpp"
#include "app/quote/diagnostics.hpp"

int main(int argc, char** argv) {
    // A closed pipe shows up as a failed write, reported and turned into exit status 1.
    std::signal(SIGPIPE, SIG_IGN);
    pixtallo::quote::Diagnostics diagnostics(std::cerr);
    try {
        const std::vector<std::string_view> args(argv + (argc > 0 ? 1 : 0), argv + argc);
        return static_cast<int>(pixtallo::quote::run_cli(args, std::cerr));
    } catch (const std::exception& error) {
        diagnostics.report(error.what());
    } catch (...) {
        diagnostics.report("unexpected error");
    }
    return static_cast<int>(pixtallo::quote::ExitStatus::Failure);
}
