#pragma once
// The process services on Linux and other POSIX desktops.

#include <initializer_list>
#include <iosfwd>
#include <string>

#include "launch/process_services.hpp"

namespace pixtallo::launch::posix {

class PosixProcessServices final : public ProcessServices {
  public:
    // Programs are looked up in `search_path` (PATH's format); failures go to `errors`.
    PosixProcessServices(std::string search_path, std::ostream& errors);

    bool shell_open(std::string_view address) override;
    bool open_in_web_browser(std::string_view address) override;
    bool open_web_page(std::string_view address) override;
    std::string system_calculator() override;
    std::optional<StartedProgram> start_program(const std::string& command) override;
    void wait_until_ready(const StartedProgram& program, std::chrono::milliseconds limit) override;
    void release(const StartedProgram& program) override;
    void report(std::string_view message) override;

  private:
    // Starts the first of `programs` found on the search path with `address` as its argument.
    bool start_first(std::initializer_list<std::string_view> programs, std::string_view address);

    std::string search_path_;
    std::ostream& errors_;
};

// The user's PATH, or the usual directories when it is not set.
std::string user_search_path();

}  // namespace pixtallo::launch::posix
