#include "app/quote/file_io.hpp"

#include "engine/utf8.hpp"

#include <fcntl.h>

#include <algorithm>
#include <climits>

#ifdef _WIN32
#include <io.h>
#include <stdio.h>
#include <windows.h>

#include <shellapi.h>  // needs windows.h first
#else
#include <unistd.h>
#endif

namespace pixtallo::quote {

#ifdef _WIN32

int open_for_reading(const std::string& path) {
    return ::_open(path.c_str(), _O_RDONLY | _O_BINARY);
}

void close_file(int fd) {
    ::_close(fd);
}

// Windows' calls take an unsigned int count.
long long read_some(int fd, char* data, std::size_t size) {
    return ::_read(fd, data, static_cast<unsigned>(std::min<std::size_t>(size, INT_MAX)));
}

long long write_some(int fd, const char* data, std::size_t size) {
    return ::_write(fd, data, static_cast<unsigned>(std::min<std::size_t>(size, INT_MAX)));
}

void use_binary_standard_streams() {
    ::_setmode(::_fileno(stdin), _O_BINARY);
    ::_setmode(::_fileno(stdout), _O_BINARY);
}

std::vector<std::string> utf8_arguments(int, char**) {
    int count = 0;
    LPWSTR* wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; wide != nullptr && i < count; ++i) {
        arguments.push_back(engine::from_wide(wide[i]));
    }
    ::LocalFree(wide);
    return arguments;
}

#else

int open_for_reading(const std::string& path) {
    return ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
}

void close_file(int fd) {
    ::close(fd);
}

long long read_some(int fd, char* data, std::size_t size) {
    return ::read(fd, data, size);
}

long long write_some(int fd, const char* data, std::size_t size) {
    return ::write(fd, data, size);
}

void use_binary_standard_streams() {}

std::vector<std::string> utf8_arguments(int argc, char** argv) {
    return {argv + (argc > 0 ? 1 : 0), argv + argc};
}

#endif

}  // namespace pixtallo::quote
