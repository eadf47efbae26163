# Registers a GoogleTest program with CTest: each test on its own where the program can be run
# at build time, the program as a whole when cross-built (CTest runs it under the emulator).
function(pixtallo_add_gtest target)
    if(CMAKE_CROSSCOMPILING)
        add_test(NAME ${target} COMMAND ${target})
    else()
        gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60 ${ARGN})
    endif()
endfunction()
