#include "app/quote/byte_source.hpp"

#include "app/quote/file_io.hpp"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace pixtallo::quote {

FdSource::FdSource(const std::string& path) : fd_(open_for_reading(path)), owned_(true) {
    if (fd_ < 0) {
        throw InputError(std::strerror(errno));
    }
}

FdSource::~FdSource() {
    if (owned_) {
        close_file(fd_);
    }
}

std::size_t FdSource::read(char* data, std::size_t size) {
    for (;;) {
        const long long n = read_some(fd_, data, size);
        if (n >= 0) {
            return static_cast<std::size_t>(n);
        }
        if (errno != EINTR) {
            throw InputError(std::strerror(errno));
        }
    }
}

std::size_t MemorySource::read(char* data, std::size_t size) {
    const std::size_t n = std::min(size, rest_.size());
    std::copy_n(rest_.data(), n, data);
    rest_.remove_prefix(n);
    return n;
}

}  // namespace pixtallo::quote
