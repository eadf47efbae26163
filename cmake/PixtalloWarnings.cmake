# The project's own targets build warning-free; third-party code is not held to this.
function(pixtallo_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wconversion -Wsign-conversion -Wshadow -Werror)
    # GCC 12 reports std::string copies as overlapping memcpy when inlining differs (the mingw-w64
    # build hits it; GCC bug 105329). A false positive, not a finding.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
        target_compile_options(${target} PRIVATE -Wno-restrict)
    endif()
endfunction()
