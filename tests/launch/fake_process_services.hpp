#pragma once
// Records every call to the process services, in order, and answers as configured.

#include <string>
#include <vector>

#include "launch/process_services.hpp"

namespace pixtallo::launch {

class FakeProcessServices final : public ProcessServices {
  public:
    bool shell_ok = true;
    bool browser_ok = true;
    bool web_page_ok = true;
    std::string calculator = "/usr/bin/gnome-calculator";
    bool start_ok = true;
    std::vector<std::string> calls;

    bool shell_open(std::string_view address) override {
        calls.push_back("shell_open " + std::string(address));
        return shell_ok;
    }
    bool open_in_web_browser(std::string_view address) override {
        calls.push_back("open_in_web_browser " + std::string(address));
        return browser_ok;
    }
    bool open_web_page(std::string_view address) override {
        calls.push_back("open_web_page " + std::string(address));
        return web_page_ok;
    }
    std::string system_calculator() override {
        calls.push_back("system_calculator");
        return calculator;
    }
    std::optional<StartedProgram> start_program(const std::string& command) override {
        calls.push_back("start_program " + command);
        return start_ok ? std::optional<StartedProgram>(StartedProgram{7, 8}) : std::nullopt;
    }
    void wait_until_ready(const StartedProgram& program, std::chrono::milliseconds limit) override {
        calls.push_back("wait_until_ready " + std::to_string(program.process) + " " +
                        std::to_string(limit.count()));
    }
    void release(const StartedProgram& program) override {
        calls.push_back("release " + std::to_string(program.process) + " " +
                        std::to_string(program.thread));
    }
    void report(std::string_view message) override {
        calls.push_back("report " + std::string(message));
    }
};

}  // namespace pixtallo::launch
