#include "launch/win32/win32_process_services.hpp"

#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <string>

#include "engine/utf8.hpp"

namespace pixtallo::launch::win32 {
namespace {

// The default value of a key under HKEY_CLASSES_ROOT; empty when there is none.
std::wstring class_default(const std::wstring& key) {
    wchar_t value[2048] = {};
    DWORD size = sizeof value;
    if (RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ,
                     nullptr, value, &size) != ERROR_SUCCESS) {
        return {};
    }
    return value;
}

// ShellExecute reports success with a value above 32.
bool shell_execute(const wchar_t* file, const wchar_t* parameters, const wchar_t* directory,
                   int show) {
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(nullptr, L"open", file, parameters, directory, show));
    return result > 32;
}

// Starts a command line directly, never through cmd.exe.
std::optional<PROCESS_INFORMATION> create_process(std::wstring command_line) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command_line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return std::nullopt;
    }
    return process;
}

}  // namespace

std::wstring web_page_command(std::wstring registered, std::wstring_view address) {
    std::size_t cut = registered.find(L"\"%1\"");
    if (cut == std::wstring::npos) {
        cut = registered.find(L"%1");
    }
    if (cut != std::wstring::npos) {
        registered.resize(cut);
    }
    return registered + L" " + std::wstring(address);
}

bool Win32ProcessServices::shell_open(std::string_view address) {
    return shell_execute(engine::to_wide(address).c_str(), nullptr, nullptr, SW_SHOW);
}

// The command registered for ".htm" files: HKCR\.htm names a class whose
// shell\open\command holds the command line.
bool Win32ProcessServices::open_in_web_browser(std::string_view address) {
    const std::wstring file_class = class_default(L".htm");
    if (file_class.empty()) {
        return false;
    }
    const std::wstring registered = class_default(file_class + L"\\shell\\open\\command");
    if (registered.empty()) {
        return false;
    }
    const auto process = create_process(web_page_command(registered, engine::to_wide(address)));
    if (!process) {
        return false;
    }
    CloseHandle(process->hThread);
    CloseHandle(process->hProcess);
    return true;
}

bool Win32ProcessServices::open_web_page(std::string_view address) {
    return shell_execute(L"explorer.exe", engine::to_wide(address).c_str(), L"", SW_SHOWNORMAL);
}

// calc.exe in the system directory, wherever Windows is installed.
std::string Win32ProcessServices::system_calculator() {
    wchar_t directory[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryW(directory, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return {};
    }
    return engine::from_wide(L"\"" + std::wstring(directory, length) + L"\\calc.exe\"");
}

std::optional<StartedProgram> Win32ProcessServices::start_program(const std::string& command) {
    const auto process = create_process(engine::to_wide(command));
    if (!process) {
        return std::nullopt;
    }
    return StartedProgram{reinterpret_cast<std::uintptr_t>(process->hProcess),
                          reinterpret_cast<std::uintptr_t>(process->hThread)};
}

void Win32ProcessServices::wait_until_ready(const StartedProgram& program,
                                            std::chrono::milliseconds limit) {
    WaitForInputIdle(reinterpret_cast<HANDLE>(program.process), static_cast<DWORD>(limit.count()));
}

// The thread's handle first, then the process's.
void Win32ProcessServices::release(const StartedProgram& program) {
    CloseHandle(reinterpret_cast<HANDLE>(program.thread));
    CloseHandle(reinterpret_cast<HANDLE>(program.process));
}

void Win32ProcessServices::report(std::string_view message) {
    std::fprintf(stderr, "pixtallo: %.*s\n", static_cast<int>(message.size()), message.data());
}

}  // namespace pixtallo::launch::win32
