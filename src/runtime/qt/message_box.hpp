#pragma once

#include <QMessageBox>

#include <cstdint>
#include <optional>

namespace tesmolen {

struct MessageBoxRequest {
    QWidget* owner = nullptr;
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
};

// Shows the modal box and returns the button that closed it. With press, the box is pressed
// with that button as soon as it is up (with its first button when it has no such button).
QMessageBox::StandardButton showMessageBox(
    const MessageBoxRequest& request,
    std::optional<QMessageBox::StandardButton> press = std::nullopt);

// Win32 message-box style bits and button ids in Qt's terms.
// An unknown button style counts as MB_OK.
QMessageBox::StandardButtons win32Buttons(std::uint32_t style);
// The button a Win32 box of this style has first, which is its default.
QMessageBox::StandardButton win32FirstButton(std::uint32_t style);
QMessageBox::Icon win32Icon(std::uint32_t style);
// 1 OK, 2 Cancel, 3 Abort, 4 Retry, 5 Ignore, 6 Yes, 7 No; 0 for any other button.
int win32ButtonId(QMessageBox::StandardButton button);
QMessageBox::StandardButton buttonOfWin32Id(int id);

}  // namespace tesmolen
