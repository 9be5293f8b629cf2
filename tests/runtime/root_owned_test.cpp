// The hosts writer that pkexec runs as root is taken only from where root alone can have put it.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <random>

#include "runtime/root_owned.hpp"
#include "support/test_program.hpp"

namespace tesmolen {
namespace {

namespace fs = std::filesystem;

TEST(OnlyRootMayChange, EveryFolderAboveTheFileCounts) {
    // A prefix made here, beside the test program, whose folders are root's and closed to others.
    const fs::path here = fs::read_symlink("/proc/self/exe").parent_path();
    if (::geteuid() != 0 || !onlyRootMayChange(here)) {
        GTEST_SKIP() << "needs root, and a build tree that only root may change";
    }
    const fs::path prefix = here / ("prefix-" + std::to_string(std::random_device{}()));
    const fs::path writer = prefix / "libexec" / "tesmolen" / "tesmolen-hosts-writer";
    fs::create_directories(writer.parent_path());
    for (fs::path folder = writer.parent_path(); folder != here; folder = folder.parent_path()) {
        fs::permissions(folder, fs::perms(0755));
    }
    testing::TempFolder scratch;
    scratch.write("writer", "");
    fs::copy_file(scratch.folder() / "writer", writer);
    fs::permissions(writer, fs::perms(0755));
    EXPECT_TRUE(onlyRootMayChange(writer));

    const struct {
        fs::path path;
        fs::perms mode;
    } openings[] = {{writer, fs::perms(0775)}, {writer, fs::perms(0757)},
                    {prefix / "libexec", fs::perms(0775)}, {prefix, fs::perms(01777)}};
    for (const auto& [path, mode] : openings) {
        const fs::perms before = fs::status(path).permissions();
        fs::permissions(path, mode);
        EXPECT_FALSE(onlyRootMayChange(writer)) << path << " open to others";
        fs::permissions(path, before);
    }
    ASSERT_EQ(::chown(writer.parent_path().c_str(), 65534, 65534), 0);
    EXPECT_FALSE(onlyRootMayChange(writer)) << "a folder of another user's";
    // In a folder that everyone may write, such as the temporary one.
    EXPECT_FALSE(onlyRootMayChange(scratch.folder() / "writer"));
    fs::remove_all(prefix);
}

}  // namespace
}  // namespace tesmolen
