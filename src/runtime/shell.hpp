#pragma once

#include "runtime/text.hpp"

namespace tesmolen {

class Shell {
public:
    virtual ~Shell() = default;
    // Starts the user's browser on the page and returns at once; failures are not reported.
    virtual void openPage(const Text& url) = 0;
};

}  // namespace tesmolen
