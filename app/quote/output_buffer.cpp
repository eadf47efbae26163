#include "app/quote/output_buffer.hpp"

#include "app/quote/file_io.hpp"

#include <cerrno>
#include <cstring>

namespace pixtallo::quote {

OutputBuffer::OutputBuffer(int fd, std::size_t capacity) : fd_(fd), flush_at_(capacity / 2) {
    text_.reserve(capacity);
}

void OutputBuffer::flush() {
    std::size_t done = 0;
    while (done < text_.size()) {
        const long long n = write_some(fd_, text_.data() + done, text_.size() - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw OutputError(std::strerror(errno));
        }
        done += static_cast<std::size_t>(n);
    }
    text_.clear();
}

}  // namespace pixtallo::quote
