// The regular-expression object with any pattern, subject and options: no crash, and every
// match it reports lies inside the subject.

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "textsvc/regex_object.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tesmolen;
    if (size == 0) return 0;
    std::string_view input(reinterpret_cast<const char*>(data + 1), size - 1);
    const unsigned flags = data[0];
    // The pattern runs to the first newline, the subject is the rest.
    const std::size_t cut = std::min(input.find('\n'), input.size());
    const Text pattern(input.substr(0, cut));
    const Text subject(cut < input.size() ? input.substr(cut + 1) : std::string_view{});
    RegexObject regex;
    regex.compileAndRun(pattern, subject,
                        {.caseSensitive = (flags & 1) != 0,
                         .multiLine = (flags & 2) != 0,
                         .global = (flags & 4) != 0,
                         .quotePlaceholder = (flags & 8) != 0});
    const int count = regex.matchCount();
    const int groups = regex.groupCount();
    for (int i = 0; i <= count + 1; ++i) {
        int position = -1;
        const Text match = regex.matchText(i, &position);
        if (i >= 1 && i <= count &&
            (position < 0 || subject.compare(static_cast<std::size_t>(position), match.size(),
                                             match) != 0)) {
            std::abort();
        }
        for (int k = 0; k <= groups + 1; ++k) {
            if (regex.groupText(i, k, &position).size() > subject.size()) std::abort();
        }
    }
    regex.replaceAll("<$1|$&|$$|$12>");
    regex.currentPattern();
    regex.destroy();
    return 0;
}
