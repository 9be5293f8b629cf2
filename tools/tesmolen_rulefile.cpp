// tesmolen-rulefile: codes and decodes rule files and previews what a rules text holds, with the
// program's own code. Reads standard input and writes standard output as exact bytes.

#include <cstdio>
#include <iostream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "rulefile_command.hpp"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

constexpr int usageError = 2;
constexpr int ioError = 1;

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
    std::vector<std::string_view> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    auto parsed = tesmolen::tools::parseArguments(args);
    if (auto* error = std::get_if<std::string>(&parsed)) {
        std::cerr << "tesmolen-rulefile: " << *error << '\n' << tesmolen::tools::usageText();
        return usageError;
    }
    const auto& command = std::get<tesmolen::tools::RuleFileCommand>(parsed);
    tesmolen::Bytes input;
    if (command.action != tesmolen::tools::RuleFileAction::help) {
        input = readStandardInput();
        if (std::cin.bad()) {
            std::cerr << "tesmolen-rulefile: cannot read standard input\n";
            return ioError;
        }
    }
    const tesmolen::Bytes output = tesmolen::tools::runCommand(command, input);
    std::cout.write(output.data(), static_cast<std::streamsize>(output.size()));
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "tesmolen-rulefile: cannot write standard output\n";
        return ioError;
    }
    return 0;
}
