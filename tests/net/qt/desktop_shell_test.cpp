#include "runtime/qt/desktop_shell.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "runtime/codepage.hpp"
#include "runtime/files.hpp"
#include "support/test_program.hpp"

namespace tesmolen {
namespace {

namespace fs = std::filesystem;

// Puts a stand-in for the desktop's URL opener first on the search path. It waits until the test
// lets it go, then writes its arguments, one per line.
class DesktopShellTest : public ::testing::Test {
protected:
    DesktopShellTest() : oldPath_(std::getenv("PATH") ? std::getenv("PATH") : "") {
        const fs::path opener = temp.folder() / "xdg-open";
        std::ofstream(opener) << "#!/bin/sh\n"
                              << "cd '" << temp.folder().string() << "'\n"
                              << "for i in $(seq 200); do [ -e go ] && break; sleep 0.05; done\n"
                              << "printf '%s\\n' \"$@\" >args.part && mv args.part args\n";
        fs::permissions(opener, fs::perms::owner_all);
        setenv("PATH", (temp.folder().string() + ":" + oldPath_).c_str(), 1);
    }
    ~DesktopShellTest() override { setenv("PATH", oldPath_.c_str(), 1); }

    // What the opener was given, once it has run.
    Bytes openerArguments() {
        std::ofstream(temp.folder() / "go");
        for (int i = 0; i < 200 && !fs::exists(temp.folder() / "args"); ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return temp.read("args");
    }

    testing::TempFolder temp;

private:
    std::string oldPath_;
};

TEST_F(DesktopShellTest, StartsTheOpenerWithThePageAndDoesNotWaitForIt) {
    DesktopShell shell;
    // A page whose address a shell would split or expand; and GBK text, as the program's texts are.
    const Text page =
        "http://127.0.0.1:8080/kovrel/ad/ad.html?a=1&b=$(touch hacked);x y'\"" + gbk(u8"规则");
    shell.openPage(page);
    EXPECT_FALSE(fs::exists(temp.folder() / "args")) << "returned before the opener finished";
    EXPECT_EQ(openerArguments(), gbkToUtf8(page) + "\n");
    EXPECT_FALSE(fs::exists(temp.folder() / "hacked"));
}

}  // namespace
}  // namespace tesmolen
