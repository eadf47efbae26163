#pragma once
// Standard output through one large buffer, with every write checked: a closed pipe or a full disk
// becomes an OutputError, never a silent loss.

#include <cstddef>
#include <stdexcept>
#include <string>

namespace pixtallo::quote {

// The system's reason a write failed, e.g. "Broken pipe".
class OutputError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class OutputBuffer {
  public:
    explicit OutputBuffer(int fd, std::size_t capacity = 1024 * 1024);

    // Append here, then call flush_if_full() once per record.
    std::string& text() noexcept { return text_; }
    void flush_if_full() {
        if (text_.size() >= flush_at_) {
            flush();
        }
    }
    // Writes out everything appended so far. Throws OutputError.
    void flush();

  private:
    int fd_;
    std::size_t flush_at_;
    std::string text_;
};

}  // namespace pixtallo::quote
