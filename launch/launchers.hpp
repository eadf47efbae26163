#pragma once
// The two launchers behind 按钮10 and the picture banner. Neither reads or writes a field, and
// neither shows the user anything, whether the start works or not.

#include <chrono>
#include <string_view>

#include "launch/process_services.hpp"

namespace pixtallo::launch {

// The banner's web page: the home page of a web search portal.
inline constexpr std::string_view banner_web_page = "https://www.baidu.com/";

// The longest the window waits for the calculator to be ready.
inline constexpr std::chrono::milliseconds calculator_ready_limit{1000};

// Starts the desktop's calculator, waits at most a second for it to be ready, and lets go of it;
// its end is never awaited. Each call starts another calculator.
void run_system_calculator(ProcessServices& services);

// Hands the banner's web address to the shell's opener.
void open_banner_web_page(ProcessServices& services);

}  // namespace pixtallo::launch
