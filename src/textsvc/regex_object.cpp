#include "textsvc/regex_object.hpp"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <algorithm>
#include <utility>


#include "runtime/codepage.hpp"

namespace tesmolen {

namespace {

const Text& quotePlaceholderText() {
    static const Text text = gbk(u8"#引号");
    return text;
}

Text withQuotes(const Text& pattern) {
    const Text& placeholder = quotePlaceholderText();
    Text result;
    std::size_t from = 0;
    for (std::size_t at; (at = pattern.find(placeholder, from)) != Text::npos;) {
        result.append(pattern, from, at - from);
        result += '"';
        from = at + placeholder.size();
    }
    result.append(pattern, from);
    return result;
}

constexpr std::uint32_t unset = UINT32_MAX;

pcre2_code* asCode(void* code) { return static_cast<pcre2_code*>(code); }

// Rules texts can be tens of megabytes with a single pair of "#" spanning most of them: the
// match limit grows with the subject so such a text is searched to its end instead of failing
// half-way, while a runaway pattern on a small subject still stops.
struct MatchResources {
    pcre2_match_context* context = pcre2_match_context_create(nullptr);
    pcre2_jit_stack* jitStack = pcre2_jit_stack_create(32 * 1024, 64 * 1024 * 1024, nullptr);
    pcre2_match_data* data;

    MatchResources(pcre2_code* code, std::size_t subjectLength)
        : data(pcre2_match_data_create_from_pattern(code, nullptr)) {
        if (context == nullptr) return;
        const std::size_t steps = std::max<std::size_t>(10'000'000, 4 * subjectLength);
        pcre2_set_match_limit(context, static_cast<uint32_t>(std::min<std::size_t>(steps, UINT32_MAX)));
        pcre2_set_depth_limit(context, UINT32_MAX);
        pcre2_set_heap_limit(context, UINT32_MAX);
        if (jitStack != nullptr) pcre2_jit_stack_assign(context, nullptr, jitStack);
    }
    ~MatchResources() {
        pcre2_match_data_free(data);
        pcre2_jit_stack_free(jitStack);
        pcre2_match_context_free(context);
    }
    MatchResources(const MatchResources&) = delete;
    MatchResources& operator=(const MatchResources&) = delete;
};

}  // namespace

RegexObject::~RegexObject() { destroy(); }

void RegexObject::destroy() {
    pcre2_code_free(asCode(code_));
    code_ = nullptr;
    pattern_.clear();
    subject_.clear();
    subject_.shrink_to_fit();
    offsets_.clear();
    offsets_.shrink_to_fit();
    groupsPerMatch_ = 0;
}

bool RegexObject::compileAndRun(const Text& pattern, Text subject, const RegexOptions& options) {
    destroy();
    pattern_ = options.quotePlaceholder.value_or(false) ? withQuotes(pattern) : pattern;
    subject_ = std::move(subject);
    if (subject_.size() >= unset) return false;

    uint32_t flags = 0;
    if (!options.caseSensitive.value_or(false)) flags |= PCRE2_CASELESS;
    if (options.multiLine.value_or(true)) flags |= PCRE2_MULTILINE;
    int error = 0;
    PCRE2_SIZE errorOffset = 0;
    pcre2_code* code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(pattern_.data()),
                                     pattern_.size(), flags, &error, &errorOffset, nullptr);
    if (code == nullptr) return false;
    code_ = code;
    pcre2_jit_compile(code, PCRE2_JIT_COMPLETE);  // falls back to the interpreter on failure

    uint32_t captures = 0;
    pcre2_pattern_info(code, PCRE2_INFO_CAPTURECOUNT, &captures);
    groupsPerMatch_ = captures + 1;

    MatchResources resources(code, subject_.size());
    if (resources.data == nullptr) return false;
    const bool global = options.global.value_or(true);
    const auto* subjectBytes = reinterpret_cast<PCRE2_SPTR>(subject_.data());
    const PCRE2_SIZE length = subject_.size();
    PCRE2_SIZE start = 0;
    uint32_t matchFlags = 0;
    while (start <= length) {
        int rc = pcre2_match(code, subjectBytes, length, start, matchFlags, resources.data,
                             resources.context);
        if (rc == PCRE2_ERROR_NOMATCH && matchFlags != 0) {
            // An empty match stood at start: move on by one byte and search again.
            matchFlags = 0;
            ++start;
            continue;
        }
        if (rc < 0) break;
        const PCRE2_SIZE* vector = pcre2_get_ovector_pointer(resources.data);
        for (std::size_t k = 0; k < 2 * groupsPerMatch_; ++k) {
            offsets_.push_back(vector[k] == PCRE2_UNSET ? unset : static_cast<uint32_t>(vector[k]));
        }
        if (!global) break;
        start = vector[1];
        matchFlags = vector[0] == vector[1] ? PCRE2_NOTEMPTY_ATSTART | PCRE2_ANCHORED : 0;
    }
    return true;
}

Text RegexObject::releaseSubject() {
    Text subject = std::move(subject_);
    subject_.clear();
    offsets_.clear();
    return subject;
}

Text RegexObject::currentPattern() const { return code_ == nullptr ? Text{} : pattern_; }

int RegexObject::matchCount() const {
    return groupsPerMatch_ == 0 ? 0 : static_cast<int>(offsets_.size() / (2 * groupsPerMatch_));
}

int RegexObject::groupCount() const {
    return matchCount() == 0 ? 0 : static_cast<int>(groupsPerMatch_ - 1);
}

std::optional<RegexObject::Span> RegexObject::span(std::size_t match, std::size_t group) const {
    if (group >= groupsPerMatch_ || match >= static_cast<std::size_t>(matchCount())) {
        return std::nullopt;
    }
    const std::uint32_t* pair = &offsets_[2 * (match * groupsPerMatch_ + group)];
    if (pair[0] == unset) return std::nullopt;
    return Span{pair[0], pair[1]};
}

Text RegexObject::spanText(std::optional<Span> s) const {
    return s ? subject_.substr(s->start, s->end - s->start) : Text{};
}

// The byte offset of the first exact occurrence of the span's text at or after the start of
// its match; for the whole match that is where the match begins.
int RegexObject::spanPosition(std::size_t match, std::optional<Span> s) const {
    auto whole = span(match, 0);
    if (!whole) return -1;
    std::size_t found = subject_.find(spanText(s), whole->start);
    return found == Text::npos ? -1 : static_cast<int>(found);
}

Text RegexObject::matchText(int match, int* bytePosition) const {
    if (match < 1) {
        if (bytePosition) *bytePosition = -1;
        return {};
    }
    auto s = span(static_cast<std::size_t>(match - 1), 0);
    if (bytePosition) *bytePosition = spanPosition(static_cast<std::size_t>(match - 1), s);
    return spanText(s);
}

Text RegexObject::groupText(int match, int group, int* bytePosition) const {
    if (match < 1 || group < 1) {
        if (bytePosition) *bytePosition = -1;
        return {};
    }
    const auto i = static_cast<std::size_t>(match - 1);
    auto s = span(i, static_cast<std::size_t>(group));
    if (bytePosition) *bytePosition = spanPosition(i, s);
    return spanText(s);
}

void RegexObject::appendReplacement(Text& out, const Text& replacement, std::size_t match) const {
    const std::size_t groups = groupsPerMatch_ - 1;
    auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    for (std::size_t at = 0; at < replacement.size(); ++at) {
        char c = replacement[at];
        if (c != '$' || at + 1 >= replacement.size()) {
            out += c;
            continue;
        }
        char next = replacement[at + 1];
        if (next == '$') {
            out += '$';
            ++at;
        } else if (next == '&') {
            out += spanText(span(match, 0));
            ++at;
        } else if (isDigit(next)) {
            // Two digits when they name an existing group, else one digit.
            std::size_t number = static_cast<std::size_t>(next - '0');
            std::size_t used = 1;
            if (at + 2 < replacement.size() && isDigit(replacement[at + 2])) {
                std::size_t two = number * 10 + static_cast<std::size_t>(replacement[at + 2] - '0');
                if (two >= 1 && two <= groups) {
                    number = two;
                    used = 2;
                }
            }
            if (number >= 1 && number <= groups) {
                out += spanText(span(match, number));
                at += used;
            } else {
                out += c;
            }
        } else {
            out += c;
        }
    }
}

Text RegexObject::replaceAll(const Text& replacement) const {
    if (code_ == nullptr) return {};
    Text out;
    std::size_t from = 0;
    const auto count = static_cast<std::size_t>(matchCount());
    for (std::size_t i = 0; i < count; ++i) {
        auto whole = span(i, 0);
        out.append(subject_, from, whole->start - from);
        appendReplacement(out, replacement, i);
        from = whole->end;
    }
    out.append(subject_, from);
    return out;
}

}  // namespace tesmolen
