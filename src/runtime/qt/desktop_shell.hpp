#pragma once

#include "runtime/shell.hpp"

namespace tesmolen {

// Opens pages in the user's browser: "Explorer " + URL on Windows, the desktop's URL opener
// elsewhere. The command is started directly, without a shell, and not waited for.
class DesktopShell : public Shell {
public:
    void openPage(const Text& url) override;
};

}  // namespace tesmolen
