#include "app/quote/byte_source.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace pixtallo::quote {

FdSource::FdSource(const std::string& path)
    : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)), owned_(true) {
    if (fd_ < 0) {
        throw InputError(std::strerror(errno));
    }
}

FdSource::~FdSource() {
    if (owned_) {
        ::close(fd_);
    }
}

std::size_t FdSource::read(char* data, std::size_t size) {
    for (;;) {
        const ssize_t n = ::read(fd_, data, size);
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
