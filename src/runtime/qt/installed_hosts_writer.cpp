#include "runtime/qt/installed_hosts_writer.hpp"

#include <filesystem>
#include <system_error>

#include "runtime/codepage.hpp"
#include "runtime/files.hpp"
#include "runtime/root_owned.hpp"

namespace tesmolen {

namespace fs = std::filesystem;

ElevatedCommand installedHostsWriter() {
    const fs::path writer =
        (fs::path(nativePath(programFolder())) / TESMOLEN_HOSTS_WRITER_FROM_BIN).lexically_normal();
    std::error_code ec;
    // A writer that another user could have put there would be run by pkexec as root.
    if (!fs::is_regular_file(writer, ec) || !onlyRootMayChange(writer)) return {};
    // The path must be the one the polkit action names, so it is given absolute and normal.
    return {utf8ToGbk(TESMOLEN_HOSTS_PATH_OF_WRITER), {TESMOLEN_PKEXEC, writer.string()}};
}

}  // namespace tesmolen
