#include "Cli.h"

#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>

// Windows hands the arguments over as UTF-16; the program takes them as UTF-8,
// so a theme in C:\Users\Zoë\Thèmes is found.
int wmain(int argc, wchar_t* argv[])
{
    // A theme written to standard output keeps its bytes, CR LF included.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stdin), _O_BINARY);
    SetConsoleOutputCP(CP_UTF8);
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) {
        const int size = WideCharToMultiByte(CP_UTF8, 0, argv[i], -1, nullptr, 0, nullptr, nullptr);
        std::string argument(static_cast<std::size_t>(size > 0 ? size : 1), '\0');
        WideCharToMultiByte(CP_UTF8, 0, argv[i], -1, argument.data(), size, nullptr, nullptr);
        argument.resize(argument.size() - 1);
        arguments.push_back(std::move(argument));
    }
    return tintwright::cli::runCliOnStandardStreams(arguments);
}
#else
int main(int argc, char* argv[])
{
    return tintwright::cli::runCliOnStandardStreams(std::vector<std::string>(argv + 1, argv + argc));
}
#endif
