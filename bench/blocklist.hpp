#pragma once
// Deterministic inputs shaped like the blocklists people feed a hosts file.

#include <cstddef>

#include "runtime/text.hpp"

namespace tesmolen::bench {

// A public-blocklist style hosts text of about `bytes` bytes: a "#" comment header, sections
// introduced by "#" comment lines, "0.0.0.0 host" lines with realistic host names, CR LF.
Text blocklistHostsText(std::size_t bytes);

// A hosts text of `blocks` rule blocks as the program writes them, about `bytes` bytes in all.
Text ruleBlocksText(int blocks, std::size_t bytes);

}  // namespace tesmolen::bench
