// Saving the rule list as the save command does (the file on disk read for the entries it keeps,
// the hosts text built from the rows, the atomic whole-file write) against the least any save
// that keeps the file's own entries must do: one read of the file, one write call and one flush
// of the same bytes.

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>

#include "bench_cases.hpp"
#include "rules/hosts_text.hpp"
#include "rules/read_rules.hpp"
#include "runtime/files.hpp"
#include "support/fake_ui.hpp"

namespace tesmolen::bench {

namespace {

namespace fs = std::filesystem;

struct SaveFixture {
    fs::path folder = fs::temp_directory_path() / "tesmolen-bench-save";
    testing::FakeReportList list;
    Text hostsText;

    SaveFixture() {
        fs::create_directories(folder);
        parseRulesInto(input("rule-blocks-10MB").text, list);
        hostsText = hostsTextOf(list);
    }
    ~SaveFixture() {
        std::error_code ec;
        fs::remove_all(folder, ec);
    }
};

SaveFixture& fixture() {
    static SaveFixture f;
    return f;
}

void saveOurs(benchmark::State& state) {
    SaveFixture& f = fixture();
    const Text path = (f.folder / "hosts").string();
    for (auto _ : state) {
        const std::optional<Text> hosts = savedHostsText(readWholeFile(path), f.list);
        if (!hosts || !writeWholeFile(path, *hosts)) state.SkipWithError("write failed");
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * f.hostsText.size()));
}

void saveBaseline(benchmark::State& state) {
    SaveFixture& f = fixture();
    const std::string path = (f.folder / "plain").string();
    std::string onDisk(f.hostsText.size(), '\0');
    for (auto _ : state) {
        int fd = ::open(path.c_str(), O_RDWR | O_CREAT, 0644);
        const ssize_t got = ::read(fd, onDisk.data(), onDisk.size());
        benchmark::DoNotOptimize(got);
        bool ok = ::ftruncate(fd, 0) == 0 && ::lseek(fd, 0, SEEK_SET) == 0;
        ok = ok && ::write(fd, f.hostsText.data(), f.hostsText.size()) ==
                       static_cast<ssize_t>(f.hostsText.size());
        ok = ::fsync(fd) == 0 && ok;
        ::close(fd);
        if (!ok) state.SkipWithError("write failed");
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * f.hostsText.size()));
}

}  // namespace

void registerSaveBenchmarks(std::vector<Comparison>& comparisons) {
    benchmark::RegisterBenchmark("save/ours/rule-blocks-10MB", saveOurs)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("save/read-write-and-flush/rule-blocks-10MB", saveBaseline)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    comparisons.push_back({"save rule-blocks-10MB vs read + write + flush",
                           "save/ours/rule-blocks-10MB",
                           "save/read-write-and-flush/rule-blocks-10MB", 2.0});
}

}  // namespace tesmolen::bench
