#include "launch/posix/detached_process.hpp"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

namespace pixtallo::launch::posix {
namespace {

bool is_executable_file(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           access(path.c_str(), X_OK) == 0;
}

// Only async-signal-safe calls from here on: this runs in a child of a possibly threaded process.
[[noreturn]] void exec_in_grandchild(const char* path, char* const* argv, int report_fd) {
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
    signal(SIGPIPE, SIG_DFL);
    execv(path, argv);
    const int error = errno;
    (void)!write(report_fd, &error, sizeof error);
    _exit(127);
}

}  // namespace

std::string find_program(std::string_view program, std::string_view search_path) {
    if (program.empty()) {
        return {};
    }
    if (program.find('/') != std::string_view::npos) {
        const std::string path(program);
        return is_executable_file(path) ? path : std::string();
    }
    while (true) {
        const std::size_t colon = search_path.find(':');
        std::string directory(search_path.substr(0, colon));
        if (directory.empty()) {
            directory = ".";
        }
        const std::string candidate = directory + "/" + std::string(program);
        if (is_executable_file(candidate)) {
            return candidate;
        }
        if (colon == std::string_view::npos) {
            return {};
        }
        search_path.remove_prefix(colon + 1);
    }
}

bool start_detached(const std::string& path, const std::vector<std::string>& arguments) {
    // Everything the children need is prepared before forking.
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(path.c_str()));
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);

    // The grandchild writes its errno here when exec fails; a successful exec closes the pipe.
    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0) {
        return false;
    }
    const pid_t child = fork();
    if (child < 0) {
        close(report[0]);
        close(report[1]);
        return false;
    }
    if (child == 0) {
        setsid();
        const pid_t grandchild = fork();
        if (grandchild == 0) {
            exec_in_grandchild(path.c_str(), argv.data(), report[1]);
        }
        _exit(grandchild < 0 ? 1 : 0);
    }
    close(report[1]);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    int exec_error = 0;
    ssize_t got = 0;
    do {
        got = read(report[0], &exec_error, sizeof exec_error);
    } while (got < 0 && errno == EINTR);
    close(report[0]);
    const bool grandchild_forked = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return grandchild_forked && got == 0;
}

}  // namespace pixtallo::launch::posix
