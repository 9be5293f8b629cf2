// tesmolen-rulefile: codes and decodes rule files and previews what a rules text holds, with the
// program's own code. Reads standard input and writes standard output as exact bytes.

#include <cstdio>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rulefile_command.hpp"

#ifdef _WIN32
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on
#include <fcntl.h>
#include <io.h>

#include <cwchar>
#endif

namespace {

constexpr int usageError = 2;
constexpr int ioError = 1;

// The arguments after the program name, as UTF-8. On Windows they come from the wide command
// line, so that a key in any script survives whatever the console's code page; elsewhere they
// are the bytes the shell passed, which the UTF-8 locale of the terminal makes UTF-8.
std::vector<std::string> commandLineArguments([[maybe_unused]] int argc,
                                              [[maybe_unused]] char** argv) {
    std::vector<std::string> args;
#ifdef _WIN32
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 1; wide != nullptr && i < count; ++i) {
        const int length = static_cast<int>(wcslen(wide[i]));
        const int size =
            WideCharToMultiByte(CP_UTF8, 0, wide[i], length, nullptr, 0, nullptr, nullptr);
        std::string arg(static_cast<std::size_t>(size), '\0');
        WideCharToMultiByte(CP_UTF8, 0, wide[i], length, arg.data(), size, nullptr, nullptr);
        args.push_back(std::move(arg));
    }
    LocalFree(wide);
#else
    for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
#endif
    return args;
}

tesmolen::Bytes readStandardInput() {
    return tesmolen::Bytes(std::istreambuf_iterator<char>(std::cin),
                           std::istreambuf_iterator<char>());
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> arguments = commandLineArguments(argc, argv);
    const std::vector<std::string_view> args(arguments.begin(), arguments.end());
    auto parsed = tesmolen::tools::parseArguments(args);
    if (auto* error = std::get_if<std::string>(&parsed)) {
        std::cerr << "tesmolen-rulefile: " << *error << '\n' << tesmolen::tools::usageText();
        return usageError;
    }
    const auto& command = std::get<tesmolen::tools::RuleFileCommand>(parsed);
    tesmolen::Bytes input;
    if (command.action != tesmolen::tools::RuleFileAction::help && !command.text) {
        input = readStandardInput();
        if (std::cin.bad()) {
            std::cerr << "tesmolen-rulefile: cannot read standard input\n";
            return ioError;
        }
    }
    const std::optional<tesmolen::Bytes> output = tesmolen::tools::runCommand(command, input);
    if (!output) {
        std::cerr << "tesmolen-rulefile: the hosts text holds a zero byte; a save would lose what "
                     "follows it, so nothing is written\n";
        return ioError;
    }
    std::cout.write(output->data(), static_cast<std::streamsize>(output->size()));
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "tesmolen-rulefile: cannot write standard output\n";
        return ioError;
    }
    return 0;
}
