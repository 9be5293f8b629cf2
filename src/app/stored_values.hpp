#pragma once
// The values the program keeps as cipher texts: the banner and notice addresses on the maker's
// rule host and the hosts-file path, with the maker's two hosts. They are fixed when the program
// is built (see cmake/stored_values.cmake); nothing at run time changes them.

#include "runtime/program.hpp"

namespace tesmolen {

StoredValues defaultStoredValues();

}  // namespace tesmolen
