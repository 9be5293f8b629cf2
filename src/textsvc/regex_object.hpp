#pragma once
// A small regular-expression object: compile a pattern and run it over a subject in one step,
// then ask for the matches. It matches the GBK bytes directly, so positions count bytes.
// Every failure gives an empty result (false, 0 or the empty text), never an exception.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "runtime/text.hpp"

namespace tesmolen {

struct RegexOptions {
    std::optional<bool> caseSensitive{};     // not given: case-insensitive
    std::optional<bool> multiLine{};         // not given: true; "^" and "$" match at line ends
    std::optional<bool> global{};            // not given: true; false finds the first match only
    std::optional<bool> quotePlaceholder{};  // not given: false; true turns "#引号" into '"'
};

class RegexObject {
public:
    RegexObject() = default;
    ~RegexObject();
    RegexObject(const RegexObject&) = delete;
    RegexObject& operator=(const RegexObject&) = delete;

    // True when the pattern compiled and the subject was searched. Subjects of 4 GB or more
    // are not searched. The object keeps the subject
    // for the questions that follow; a caller done with its text may move it in.
    bool compileAndRun(const Text& pattern, Text subject, const RegexOptions& options = {});
    // Hands the kept subject back to the caller; the matches of the run go with it.
    Text releaseSubject();
    Text currentPattern() const;
    // The stored subject with every match found by the last run replaced; the replacement may
    // use $1..$99, $& (the whole match) and $$ (a dollar sign).
    Text replaceAll(const Text& replacement) const;
    int matchCount() const;
    // Matches and groups count from 1; a number out of range gives the empty text and, when a
    // byte position is asked for, -1.
    Text matchText(int match, int* bytePosition = nullptr) const;
    Text groupText(int match, int group, int* bytePosition = nullptr) const;
    int groupCount() const;
    // Releases the compiled pattern, the matches and the stored subject.
    void destroy();

private:
    struct Span {
        std::size_t start;
        std::size_t end;
    };
    // Span of group k (0 is the whole match) of match i (from 0); nullopt when unset.
    std::optional<Span> span(std::size_t match, std::size_t group) const;
    Text spanText(std::optional<Span> span) const;
    int spanPosition(std::size_t match, std::optional<Span> span) const;
    void appendReplacement(Text& out, const Text& replacement, std::size_t match) const;

    void* code_ = nullptr;  // pcre2_code_8
    Text pattern_;
    Text subject_;
    std::size_t groupsPerMatch_ = 0;  // capture groups + 1
    // 2 * groupsPerMatch_ per match; 32 bits are enough for any subject the object accepts.
    std::vector<std::uint32_t> offsets_;
};

}  // namespace tesmolen
