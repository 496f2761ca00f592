# Writes the bytes of INPUT into OUTPUT, a C++ file defining FUNCTION (a
# std::string_view of them) in namespace NAMESPACE: a file the program carries
# in itself, byte for byte, whatever its line ends.
file(READ "${INPUT}" hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n"
       bytes "${bytes}")
string(LENGTH "${hex}" digits)
math(EXPR size "${digits} / 2")
file(WRITE "${OUTPUT}.new" "// Made by the build from ${NAME}; edit that file instead.
#include <string_view>

namespace ${NAMESPACE} {

namespace {
const unsigned char kBytes[] = {
${bytes}};
} // namespace

std::string_view ${FUNCTION}()
{
    return {reinterpret_cast<const char*>(kBytes), ${size}};
}

} // namespace ${NAMESPACE}
")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
