#include "run_program.hpp"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <stdexcept>

extern char** environ;

namespace pixtallo::test {
namespace {

void close_fd(int& fd) {
    if (fd >= 0) {
        ::close(fd);
        fd = -1;
    }
}

// Close-on-exec, so the child holds only the ends it is given as 0, 1 and 2.
struct Pipe {
    int read = -1;
    int write = -1;
    Pipe() {
        int fds[2];
        if (::pipe2(fds, O_CLOEXEC) != 0) {
            throw std::runtime_error(std::string("pipe: ") + std::strerror(errno));
        }
        read = fds[0];
        write = fds[1];
    }
    ~Pipe() {
        close_fd(read);
        close_fd(write);
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;
};

void check(int result, const char* what) {
    if (result != 0) {
        throw std::runtime_error(std::string(what) + ": " + std::strerror(result));
    }
}

}  // namespace

ProgramResult run_program(const std::string& program, const std::vector<std::string>& args,
                          std::string_view input, Stdout stdout_mode) {
    // Writing to a child that has stopped reading must fail here, not kill the test.
    ::signal(SIGPIPE, SIG_IGN);
    Pipe in, out, err;

    posix_spawn_file_actions_t actions;
    check(posix_spawn_file_actions_init(&actions), "posix_spawn_file_actions_init");
    posix_spawn_file_actions_adddup2(&actions, in.read, STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, out.write, STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, err.write, STDERR_FILENO);
    posix_spawnattr_t attributes;
    check(posix_spawnattr_init(&attributes), "posix_spawnattr_init");
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);

    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& arg : args) {
        argv.push_back(const_cast<char*>(arg.c_str()));
    }
    argv.push_back(nullptr);
    if (stdout_mode == Stdout::ClosedPipe) {
        close_fd(out.read);  // nobody will ever read what the child writes
    }
    pid_t pid = 0;
    const int spawned =
        posix_spawn(&pid, program.c_str(), &actions, &attributes, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    close_fd(in.read);
    close_fd(out.write);
    close_fd(err.write);
    check(spawned, "posix_spawn");

    ProgramResult result;
    std::size_t written = 0;
    if (input.empty()) {
        close_fd(in.write);
    } else {
        ::fcntl(in.write, F_SETFL, O_NONBLOCK);  // never block on input while output piles up
    }
    std::array<char, 65536> buffer;
    while (in.write >= 0 || out.read >= 0 || err.read >= 0) {
        std::array<pollfd, 3> polls{
            {{in.write, POLLOUT, 0}, {out.read, POLLIN, 0}, {err.read, POLLIN, 0}}};
        if (::poll(polls.data(), polls.size(), -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw std::runtime_error(std::string("poll: ") + std::strerror(errno));
        }
        if (polls[0].revents != 0) {
            const ssize_t n = ::write(in.write, input.data() + written, input.size() - written);
            if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
                continue;
            }
            if (n < 0) {
                close_fd(in.write);  // the child closed its input early
            } else {
                written += static_cast<std::size_t>(n);
                if (written == input.size()) {
                    close_fd(in.write);
                }
            }
        }
        const std::array<std::pair<int*, std::string*>, 2> readers{
            {{&out.read, &result.out}, {&err.read, &result.err}}};
        for (std::size_t i = 0; i < readers.size(); ++i) {
            if (polls[i + 1].revents == 0) {
                continue;
            }
            const ssize_t n = ::read(*readers[i].first, buffer.data(), buffer.size());
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n <= 0) {
                close_fd(*readers[i].first);
            } else {
                readers[i].second->append(buffer.data(), static_cast<std::size_t>(n));
            }
        }
    }
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFEXITED(status)) {
        result.exit_code = WEXITSTATUS(status);
    } else if (WIFSIGNALED(status)) {
        result.signal = WTERMSIG(status);
    }
    return result;
}

}  // namespace pixtallo::test
