#pragma once
// The application state and the seams every command works through.

#include <vector>

#include "runtime/elevated_write.hpp"
#include "runtime/net.hpp"
#include "runtime/resolver_cache.hpp"
#include "runtime/shell.hpp"
#include "runtime/text.hpp"
#include "runtime/ui.hpp"
#include "runtime/window_system.hpp"

namespace tesmolen {

struct AppState {
    Text titleText;
    Text backupPath;
    Text backupText;
    Text hostsPath;
    Text currentRulesText;
    std::vector<WindowRecord> windowList;
};

// A value kept in the program as a cipher text, decoded at start-up with its own key.
struct StoredValue {
    Text cipherText;
    Text key;
};

struct StoredValues {
    StoredValue bannerPicture1;
    StoredValue bannerPicture2;
    StoredValue bannerPicture3;
    StoredValue notice;
    StoredValue hostsFile;
    Text makerWebHost;
    Text makerRuleHost;
};

struct Program {
    AppState state;
    Ui& ui;
    Net& net;
    Shell& shell;
    WindowSystem& windows;
    ResolverCache& resolverCache;
    StoredValues stored;
    // Writes the hosts file for a user the system refuses it to.
    ElevatedWriter& elevatedWriter = noElevatedWriter();
};

}  // namespace tesmolen
