#include "support/test_program.hpp"

#include <algorithm>
#include <fstream>
#include <random>

#include "runtime/files.hpp"
#include "ui/unit_names.hpp"

namespace tesmolen::testing {

namespace fs = std::filesystem;

TempFolder::TempFolder() {
    std::random_device seed;
    for (;;) {
        folder_ = fs::temp_directory_path() / ("tesmolen-test-" + std::to_string(seed()));
        if (fs::create_directory(folder_)) break;
    }
}

TempFolder::~TempFolder() {
    std::error_code ec;
    fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(folder_, ec);
}

Text TempFolder::path(const std::string& name) const { return pathText(folder_ / name); }

void TempFolder::write(const std::string& name, const Bytes& bytes) const {
    std::ofstream out(folder_ / name, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

Bytes TempFolder::read(const std::string& name) const { return readWholeFile(path(name)); }

std::vector<std::string> TempFolder::names() const {
    std::vector<std::string> result;
    for (const auto& entry : fs::directory_iterator(folder_)) {
        result.push_back(entry.path().filename().string());
    }
    std::sort(result.begin(), result.end());
    return result;
}

TestProgram::TestProgram() { program.state.titleText = "Tesmolen"; }

FakeReportList& TestProgram::ruleList() { return ui.fakeList(unit::ruleList); }

}  // namespace tesmolen::testing
