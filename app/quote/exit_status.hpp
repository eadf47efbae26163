#pragma once

namespace pixtallo::quote {

enum class ExitStatus : int {
    Ok = 0,
    Failure = 1,  // a bad row, a bad or unreadable file, or output that could not be written
    Usage = 2,
};

}  // namespace pixtallo::quote
