#include "app/bindings.hpp"

#include <new>

#include "app/startup.hpp"
#include "rulefiles/backup_restore.hpp"
#include "rulefiles/delete_all_rules.hpp"
#include "rulefiles/import_export.hpp"
#include "rules/read_rules.hpp"
#include "rules/rule_editor.hpp"
#include "rules/rule_list_menu.hpp"
#include "rules/save_rules.hpp"
#include "runtime/message_boxes.hpp"
#include "ui/links.hpp"
#include "ui/unit_names.hpp"

namespace tesmolen {

namespace {

// A command that runs out of memory (a file too large for it, a rule list too long) reports its
// own failure, and the program goes on.
template <EventHandler command, const Text& (*failedMessage)()>
void reportingOutOfMemory(Program& program) {
    try {
        command(program);
    } catch (const std::bad_alloc&) {
        report(program, failedMessage());
    }
}

// One row per line: unit, event, command.
constexpr EventBinding bindings[] = {
    {unit::mainWindow, UiEvent::created, mainWindowCreated},
    {unit::noticeTimer, UiEvent::timerTick, noticeTimerTick},
    {unit::banner, UiEvent::click, openAdvertisingPage},
    {unit::readButton, UiEvent::click, reportingOutOfMemory<readRules, readFailedMessage>},
    {unit::importButton, UiEvent::click, reportingOutOfMemory<importRuleFile, importFailedMessage>},
    {unit::backupRestoreButton, UiEvent::click, popUpBackupRestoreMenu},
    {unit::deleteAllButton, UiEvent::click, deleteAllRules},
    {unit::saveButton, UiEvent::click, reportingOutOfMemory<saveRules, saveFailedMessage>},
    {unit::ruleList, UiEvent::rightClick, popUpRuleListMenu},
    {unit::deleteEntryItem, UiEvent::chosen, deleteSelectedRule},
    {unit::restoreItem, UiEvent::chosen, reportingOutOfMemory<restoreData, restoreFailedMessage>},
    {unit::backupItem, UiEvent::chosen, reportingOutOfMemory<backupData, backupFailedMessage>},
    {unit::newRuleButton, UiEvent::click, newRule},
    {unit::addEntryButton, UiEvent::click, addEntry},
    {unit::endEditingButton, UiEvent::click, endEditing},
    {unit::clearIpButton, UiEvent::click, clearIp},
    {unit::exportButton, UiEvent::click, reportingOutOfMemory<exportRuleFile, exportFailedMessage>},
    {unit::downloadButton, UiEvent::click, popUpDownloadMenu},
    {unit::submitSiteButton, UiEvent::click, showContactMessage},
    {unit::cloudDriveItem, UiEvent::chosen, openCloudDrivePage},
    {unit::officialDownloadItem, UiEvent::chosen, openOfficialDownloadPage},
    {unit::groupButton, UiEvent::click, openChatGroupPage},
    {unit::qrButton, UiEvent::click, showQrPicture},
    {unit::qrPicture, UiEvent::click, hideQrPicture},
    {unit::paymentButton, UiEvent::click, openPaymentPage},
};

}  // namespace

std::span<const EventBinding> eventBindings() { return bindings; }

}  // namespace tesmolen
