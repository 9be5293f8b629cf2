#pragma once
// A Program wired to fakes, plus a scratch folder that is removed afterwards.

#include <filesystem>

#include "runtime/program.hpp"
#include "support/fake_seams.hpp"
#include "support/fake_ui.hpp"

namespace tesmolen::testing {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // Path of a file in the folder, as a program text.
    Text path(const std::string& name) const;
    void write(const std::string& name, const Bytes& bytes) const;
    Bytes read(const std::string& name) const;
    // Names of the files in the folder, sorted.
    std::vector<std::string> names() const;
    const std::filesystem::path& folder() const { return folder_; }

private:
    std::filesystem::path folder_;
};

struct TestProgram {
    TestProgram();

    FakeUi ui;
    FakeNet net;
    FakeShell shell;
    FakeWindowSystem windows;
    FakeElevatedWriter elevatedWriter;
    FakeResolverCache resolverCache;
    TempFolder temp;
    Program program{{}, ui, net, shell, windows, resolverCache, {}, elevatedWriter};

    FakeReportList& ruleList();
};

}  // namespace tesmolen::testing
