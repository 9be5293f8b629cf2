#include "app/bindings.hpp"

#include "app/startup.hpp"
#include "rulefiles/backup_restore.hpp"
#include "rulefiles/delete_all_rules.hpp"
#include "rulefiles/import_export.hpp"
#include "rules/read_rules.hpp"
#include "rules/rule_editor.hpp"
#include "rules/rule_list_menu.hpp"
#include "rules/save_rules.hpp"
#include "ui/links.hpp"
#include "ui/unit_names.hpp"

namespace tesmolen {

namespace {

// One row per line: unit, event, command.
constexpr EventBinding bindings[] = {
    {unit::mainWindow, UiEvent::created, mainWindowCreated},
    {unit::noticeTimer, UiEvent::timerTick, noticeTimerTick},
    {unit::banner, UiEvent::click, openAdvertisingPage},
    {unit::readButton, UiEvent::click, readRules},
    {unit::importButton, UiEvent::click, importRuleFile},
    {unit::backupRestoreButton, UiEvent::click, popUpBackupRestoreMenu},
    {unit::deleteAllButton, UiEvent::click, deleteAllRules},
    {unit::saveButton, UiEvent::click, saveRules},
    {unit::ruleList, UiEvent::rightClick, popUpRuleListMenu},
    {unit::deleteEntryItem, UiEvent::chosen, deleteSelectedRule},
    {unit::restoreItem, UiEvent::chosen, restoreData},
    {unit::backupItem, UiEvent::chosen, backupData},
    {unit::newRuleButton, UiEvent::click, newRule},
    {unit::addEntryButton, UiEvent::click, addEntry},
    {unit::endEditingButton, UiEvent::click, endEditing},
    {unit::clearIpButton, UiEvent::click, clearIp},
    {unit::exportButton, UiEvent::click, exportRuleFile},
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
