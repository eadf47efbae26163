#pragma once
// Where the batch reads its bytes from: a file, standard input, or memory (tests, fuzzing).

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace pixtallo::quote {

// The system's reason a read failed, e.g. "Is a directory".
class InputError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class ByteSource {
  public:
    virtual ~ByteSource() = default;
    // Reads up to `size` bytes into `data`; 0 only at the end of input. Throws InputError.
    virtual std::size_t read(char* data, std::size_t size) = 0;

  protected:
    ByteSource() = default;
    ByteSource(const ByteSource&) = default;
    ByteSource& operator=(const ByteSource&) = default;
};

// Reads a file descriptor; closes it at the end only when it opened it.
class FdSource final : public ByteSource {
  public:
    explicit FdSource(int fd) noexcept : fd_(fd), owned_(false) {}
    // Throws InputError when the file cannot be opened.
    explicit FdSource(const std::string& path);
    ~FdSource() override;
    FdSource(const FdSource&) = delete;
    FdSource& operator=(const FdSource&) = delete;

    std::size_t read(char* data, std::size_t size) override;

  private:
    int fd_;
    bool owned_;
};

class MemorySource final : public ByteSource {
  public:
    explicit MemorySource(std::string_view bytes) noexcept : rest_(bytes) {}
    std::size_t read(char* data, std::size_t size) override;

  private:
    std::string_view rest_;
};

}  // namespace pixtallo::quote
