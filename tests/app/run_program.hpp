#pragma once
// Runs a program as a child process with the given standard input, capturing what it writes.

#include <string>
#include <string_view>
#include <vector>

namespace pixtallo::test {

enum class Stdout { Captured, ClosedPipe };

struct ProgramResult {
    int exit_code = -1;  // -1 when a signal ended it
    int signal = 0;      // the signal that ended it, or 0
    std::string out;
    std::string err;
};

// The child starts with default signal dispositions, whatever this process ignores.
ProgramResult run_program(const std::string& program, const std::vector<std::string>& args,
                          std::string_view input = {}, Stdout stdout_mode = Stdout::Captured);

}  // namespace pixtallo::test
