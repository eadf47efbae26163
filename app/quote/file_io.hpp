#pragma once
// The few file-descriptor calls the command line makes, the same on POSIX and Windows. Each
// reports failure as -1 with errno set, and never changes the bytes (binary mode on Windows).

#include <cstddef>
#include <string>
#include <vector>

namespace pixtallo::quote {

inline constexpr int standard_input = 0;
inline constexpr int standard_output = 1;

int open_for_reading(const std::string& path);
void close_file(int fd);
// Bytes read (0 at the end), or -1.
long long read_some(int fd, char* data, std::size_t size);
// Bytes written, or -1.
long long write_some(int fd, const char* data, std::size_t size);
// Standard input and output carry bytes as they are (no CR LF translation on Windows).
void use_binary_standard_streams();

// The program's arguments after its name, as UTF-8 (on Windows from the wide command line, so
// any character survives, whatever the console's code page).
std::vector<std::string> utf8_arguments(int argc, char** argv);

}  // namespace pixtallo::quote
