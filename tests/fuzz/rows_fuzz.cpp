// The rule-file tool's rows for any input: one line per rule of the text before its first zero
// byte, each the rule's number, a TAB and its body written so that it stays on its line, and
// reading the body back gives bytes that stand in the text after a "#" that starts a line, up to
// the next "#" or the end, each rule after the one before.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

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
    const Bytes lines = tools::runCommand(rows, input).value();

    const std::string_view text = std::string_view(input).substr(0, input.find('\0'));
    std::size_t at = 0;
    std::size_t from = 0;
    for (int number = 1; at < lines.size(); ++number) {
        const std::string body = readLine(lines, at, std::to_string(number));
        for (;; ++from) {
            from = text.find('#', from);
            if (from == text.npos) std::abort();
            const bool startsLine = from == 0 || text[from - 1] == '\n';
            const std::size_t after = from + 1 + body.size();
            if (startsLine && text.substr(from + 1, body.size()) == body &&
                (after == text.size() || text[after] == '#')) {
                break;
            }
        }
        from += 1 + body.size();
    }
    return 0;
}
