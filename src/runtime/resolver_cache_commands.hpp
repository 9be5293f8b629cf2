#pragma once
// POSIX systems only.

namespace tesmolen {

// Asks the name caches that run on this system to forget the host names they have resolved:
// systemd-resolved (resolvectl flush-caches) and nscd (nscd -i hosts). Best effort: a command
// that is not installed, that is refused or that fails changes nothing, and one that has not
// ended within two seconds is stopped. The commands are taken from the system's own folders,
// never from the search path, and get no environment.
void flushResolverCaches();

}  // namespace tesmolen
