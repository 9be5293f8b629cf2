// tesmolen-hosts-writer: the one privileged step of the Linux program. Started as root through
// pkexec, it reads the new hosts file on standard input and writes it, atomically, to the hosts
// path fixed when it was built. It takes no arguments and reads no environment variable, so it
// can write that one file and no other. Exit code 0 only when the bytes are on disk.

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "runtime/codepage.hpp"
#include "runtime/files.hpp"

namespace {

constexpr std::size_t largestHostsFile = 64u << 20;

[[noreturn]] void refuse(const char* why) {
    std::fprintf(stderr, "tesmolen-hosts-writer: %s\n", why);
    std::exit(1);
}

// Reads standard input to its end, taking one byte more than allowed to see an excess.
tesmolen::Bytes readInput() {
    tesmolen::Bytes bytes;
    char buffer[1 << 16];
    while (bytes.size() <= largestHostsFile) {
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) refuse("cannot read standard input");
        if (n == 0) return bytes;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    refuse("more than 64 MiB on standard input");
}

}  // namespace

int main(int argc, char**) {
    if (argc > 1) refuse("takes no arguments; the new hosts file comes on standard input");
    const tesmolen::Bytes bytes = readInput();
    if (!tesmolen::writeWholeFile(tesmolen::utf8ToGbk(TESMOLEN_HOSTS_WRITER_PATH), bytes)) {
        refuse("cannot write " TESMOLEN_HOSTS_WRITER_PATH);
    }
    return 0;
}
