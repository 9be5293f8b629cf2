// tesmolen-hosts-writer: the one privileged step of the Linux program. Started as root through
// pkexec, it writes the new hosts file, atomically, to the hosts path fixed when it was built.
// The new file takes the old one's owner, group, mode and extended attributes (its ACL and
// security label among them); a new one is 0644 root:root. It takes no arguments and reads no
// environment variable, so it can write that one file and no other. Its standard input is the byte count as one line of ASCII digits ("<n>\n", at most
// 64 MiB, no sign, space or leading zero) followed by exactly n bytes and then the end of input.
// A program that dies while sending leaves fewer bytes than it announced; any input not of this
// form writes nothing. Exit code 0 only when the bytes are on disk. Once they are, it asks the
// system's name caches to forget what they hold; whether they do changes nothing.

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "runtime/codepage.hpp"
#include "runtime/files.hpp"
#include "runtime/resolver_cache_commands.hpp"

namespace {

[[noreturn]] void refuse(const char* why) {
    std::fprintf(stderr, "tesmolen-hosts-writer: %s\n", why);
    std::exit(1);
}

// Up to `size` bytes from standard input; fewer only at its end.
std::size_t readInput(char* into, std::size_t size) {
    std::size_t got = 0;
    while (got < size) {
        const ssize_t n = ::read(STDIN_FILENO, into + got, size - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) refuse("cannot read standard input");
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    return got;
}

std::size_t readByteCount() {
    std::size_t count = 0;
    std::size_t digits = 0;
    for (char c = 0; readInput(&c, 1) == 1;) {
        if (c == '\n' && digits > 0) return count;
        if (c < '0' || c > '9' || (digits > 0 && count == 0)) break;
        count = count * 10 + static_cast<std::size_t>(c - '0');
        ++digits;
        if (count > tesmolen::largestFile) refuse("more than 64 MiB announced");
    }
    refuse("standard input does not begin with the byte count and a line end");
}

tesmolen::Bytes readHostsFile() {
    tesmolen::Bytes bytes(readByteCount(), '\0');
    if (readInput(bytes.data(), bytes.size()) != bytes.size()) {
        refuse("standard input ended before the announced bytes");
    }
    char extra = 0;
    if (readInput(&extra, 1) != 0) refuse("more bytes on standard input than announced");
    return bytes;
}

}  // namespace

int main(int argc, char**) {
    if (argc > 1) refuse("takes no arguments; the new hosts file comes on standard input");
    const tesmolen::Bytes bytes = readHostsFile();
    if (!tesmolen::writeSystemFile(tesmolen::utf8ToGbk(TESMOLEN_HOSTS_WRITER_PATH), bytes)) {
        refuse("cannot write " TESMOLEN_HOSTS_WRITER_PATH);
    }
    tesmolen::flushResolverCaches();
    return 0;
}
