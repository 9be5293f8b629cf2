// Coding and decoding 10 MB, against a plain loop that runs a textbook RC4 keystream and writes
// two letters per byte.

#include <array>
#include <cstdint>

#include "bench_cases.hpp"
#include "textsvc/text_cipher.hpp"

namespace tesmolen::bench {

namespace {

Text textbookRc4Letters(const Text& text, std::string_view key) {
    std::array<std::uint8_t, 256> s{};
    for (unsigned n = 0; n < 256; ++n) s[n] = static_cast<std::uint8_t>(n);
    for (unsigned i = 0, j = 0; i < 256; ++i) {
        j = (j + s[i] + static_cast<std::uint8_t>(key[i % key.size()])) & 255;
        std::swap(s[i], s[j]);
    }
    Text out(2 * text.size(), '\0');
    char* o = out.data();
    unsigned i = 0;
    unsigned j = 0;
    for (char c : text) {
        i = (i + 1) & 255;
        j = (j + s[i]) & 255;
        std::swap(s[i], s[j]);
        unsigned x = static_cast<std::uint8_t>(c) ^ s[(s[i] + s[j]) & 255];
        *o++ = static_cast<char>('A' + (x >> 4));
        *o++ = static_cast<char>('A' + (x & 15));
    }
    return out;
}

const Text& plain() { return input("blocklist-10MB").text; }

void encodeOurs(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(encodeTextWithSalt(plain(), "Tesmolen", "QZ"));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * plain().size()));
}

void decodeOurs(benchmark::State& state) {
    const Text cipher = encodeTextWithSalt(plain(), "Tesmolen", "QZ");
    for (auto _ : state) benchmark::DoNotOptimize(decodeText(cipher, "Tesmolen"));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * plain().size()));
}

void textbookLoop(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(textbookRc4Letters(plain(), "TesmolenQZ"));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * plain().size()));
}

}  // namespace

void registerCipherBenchmarks(std::vector<Comparison>& comparisons) {
    using Run = void (*)(benchmark::State&);
    for (auto [name, run] : {std::pair<const char*, Run>{"cipher/encode/10MB", encodeOurs},
                             std::pair<const char*, Run>{"cipher/decode/10MB", decodeOurs},
                             std::pair<const char*, Run>{"cipher/textbook-rc4-letters/10MB",
                                                         textbookLoop}}) {
        benchmark::RegisterBenchmark(name, run)->Unit(benchmark::kMillisecond)->UseRealTime();
    }
    // "At least 0.7 times the speed" is "at most 1/0.7 times the time".
    comparisons.push_back({"encode 10MB vs textbook RC4 + letters", "cipher/encode/10MB",
                           "cipher/textbook-rc4-letters/10MB", 1 / 0.7});
    comparisons.push_back({"decode 10MB vs textbook RC4 + letters", "cipher/decode/10MB",
                           "cipher/textbook-rc4-letters/10MB", 1 / 0.7});
}

}  // namespace tesmolen::bench
