#pragma once
// Starting a program the way a user's desktop starts one: directly (never through a shell),
// detached from us, never waited for, and never left behind as a zombie.

#include <string>
#include <string_view>
#include <vector>

namespace pixtallo::launch::posix {

// The program's file: `program` itself when it holds a "/", else the first executable file of
// that name in the directories of `search_path` (PATH's format). Empty when there is none.
std::string find_program(std::string_view program, std::string_view search_path);

// Starts `path` with `arguments` (argv[1] onwards, each passed unchanged) in a new session.
// Returns once the program has been executed, or has failed to be; true when it was. A
// short-lived intermediate child is reaped at once, and the program itself is adopted by init,
// so nothing here ever waits for it.
bool start_detached(const std::string& path, const std::vector<std::string>& arguments);

}  // namespace pixtallo::launch::posix
