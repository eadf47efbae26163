#include <csignal>
#include <exception>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "app/quote/cli.hpp"
#include "app/quote/diagnostics.hpp"
#include "app/quote/file_io.hpp"

int main(int argc, char** argv) {
#ifdef SIGPIPE
    // A closed pipe shows up as a failed write, reported and turned into exit status 1.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    pixtallo::quote::use_binary_standard_streams();
    pixtallo::quote::Diagnostics diagnostics(std::cerr);
    try {
        const std::vector<std::string> arguments = pixtallo::quote::utf8_arguments(argc, argv);
        const std::vector<std::string_view> args(arguments.begin(), arguments.end());
        return static_cast<int>(pixtallo::quote::run_cli(args, std::cerr));
    } catch (const std::exception& error) {
        diagnostics.report(error.what());
    } catch (...) {
        diagnostics.report("unexpected error");
    }
    return static_cast<int>(pixtallo::quote::ExitStatus::Failure);
}
