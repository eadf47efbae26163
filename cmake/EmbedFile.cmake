# Turns a binary file into a C++ source that defines
#   std::span<const std::uint8_t> NAMESPACE::FUNCTION()
# returning its bytes. Regenerated whenever the file changes.
function(pixtallo_embed_file input output namespace function)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${input})
    file(READ ${input} hex HEX)
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    string(REGEX REPLACE "((0x..,){16})" "\\1\n    " bytes "${bytes}")
    file(WRITE ${output}.tmp
        "// Generated from ${input} by cmake/EmbedFile.cmake; do not edit.\n"
        "#include <cstdint>\n#include <span>\n\n"
        "namespace ${namespace} {\nnamespace {\nconstexpr std::uint8_t bytes[] = {\n    ${bytes}\n};\n}  // namespace\n\n"
        "std::span<const std::uint8_t> ${function}() noexcept { return bytes; }\n\n"
        "}  // namespace ${namespace}\n")
    file(COPY_FILE ${output}.tmp ${output} ONLY_IF_DIFFERENT)
endfunction()
