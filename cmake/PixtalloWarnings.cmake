# The project's own targets build warning-free; third-party code is not held to this.
function(pixtallo_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wconversion -Wsign-conversion -Wshadow -Werror)
endfunction()
