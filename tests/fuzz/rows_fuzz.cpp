// The rule-file tool's rows for any input: one line per "#" pair of the text before its first
// zero byte, each the pair's number, a TAB and its body written so that it stays on its line, and
// reading the body back gives the very bytes between the two "#".

#include <cstdint>
#include <cstdlib>
#include <string>

#include "rulefile_command.hpp"

namespace {

using tesmolen::Bytes;

// Reads one line of the output from `at`: the number, then the body with its escapes undone.
// Aborts on anything that the line format does not allow.
std::string readLine(const Bytes& lines, std::size_t& at, const std::string& number) {
    if (lines.compare(at, number.size() + 1, number + '\t') != 0) std::abort();
    at += number.size() + 1;
    std::string body;
    for (;;) {
        if (at >= lines.size()) std::abort();
        const char c = lines[at++];
        if (c == '\n') return body;
        if (c == '\r' || c == '\t') std::abort();
        if (c != '\\') {
            body += c;
            continue;
        }
        if (at >= lines.size()) std::abort();
        switch (lines[at++]) {
            case '\\':
                body += '\\';
                break;
            case 'r':
                body += '\r';
                break;
            case 'n':
                body += '\n';
                break;
            case 't':
                body += '\t';
                break;
            default:
                std::abort();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tesmolen;
    const Bytes input(reinterpret_cast<const char*>(data), size);
    tools::RuleFileCommand rows;
    rows.action = tools::RuleFileAction::rows;
    const Bytes lines = tools::runCommand(rows, input);

    const std::size_t end = input.find('\0');
    std::size_t at = 0;
    int number = 0;
    std::size_t open = Bytes::npos;
    for (std::size_t i = 0; i < input.size() && i != end; ++i) {
        if (input[i] != '#') continue;
        if (open == Bytes::npos) {
            open = i;
            continue;
        }
        if (readLine(lines, at, std::to_string(++number)) != input.substr(open + 1, i - open - 1)) {
            std::abort();
        }
        open = Bytes::npos;
    }
    if (at != lines.size()) std::abort();
    return 0;
}
