#include "runtime/qt/message_box.hpp"

#include <QAbstractButton>
#include <QTimer>

#include <array>
#include <span>
#include <utility>

namespace tesmolen {

namespace {

constexpr std::array<std::pair<int, QMessageBox::StandardButton>, 7> win32Ids{{
    {1, QMessageBox::Ok},
    {2, QMessageBox::Cancel},
    {3, QMessageBox::Abort},
    {4, QMessageBox::Retry},
    {5, QMessageBox::Ignore},
    {6, QMessageBox::Yes},
    {7, QMessageBox::No},
}};

// The button ids of each button style, the first being the default.
std::span<const int> buttonsOfStyle(std::uint32_t style) {
    static constexpr int ok[] = {1};
    static constexpr int okCancel[] = {1, 2};
    static constexpr int abortRetryIgnore[] = {3, 4, 5};
    static constexpr int yesNoCancel[] = {6, 7, 2};
    static constexpr int yesNo[] = {6, 7};
    static constexpr int retryCancel[] = {4, 2};
    switch (style & 0xFu) {
        case 1:
            return okCancel;
        case 2:
            return abortRetryIgnore;
        case 3:
            return yesNoCancel;
        case 4:
            return yesNo;
        case 5:
            return retryCancel;
        default:
            return ok;
    }
}

}  // namespace

QMessageBox::StandardButton showMessageBox(const MessageBoxRequest& request,
                                           std::optional<QMessageBox::StandardButton> press) {
    QMessageBox box(request.icon, request.title, request.text, request.buttons, request.owner);
    box.setTextFormat(Qt::PlainText);
    if (press) {
        QTimer::singleShot(0, &box, [&box, button = *press] {
            QAbstractButton* pressed = box.button(button);
            if (pressed == nullptr && !box.buttons().isEmpty()) pressed = box.buttons().front();
            if (pressed != nullptr) pressed->click();
        });
    }
    box.exec();
    return box.standardButton(box.clickedButton());
}

QMessageBox::StandardButtons win32Buttons(std::uint32_t style) {
    QMessageBox::StandardButtons buttons;
    for (int id : buttonsOfStyle(style)) buttons |= buttonOfWin32Id(id);
    return buttons;
}

QMessageBox::StandardButton win32FirstButton(std::uint32_t style) {
    return buttonOfWin32Id(buttonsOfStyle(style).front());
}

QMessageBox::Icon win32Icon(std::uint32_t style) {
    switch (style & 0xF0u) {
        case 0x10:
            return QMessageBox::Critical;
        case 0x20:
            return QMessageBox::Question;
        case 0x30:
            return QMessageBox::Warning;
        case 0x40:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

int win32ButtonId(QMessageBox::StandardButton button) {
    for (const auto& [id, standard] : win32Ids) {
        if (standard == button) return id;
    }
    return 0;
}

QMessageBox::StandardButton buttonOfWin32Id(int id) {
    for (const auto& [win32Id, standard] : win32Ids) {
        if (win32Id == id) return standard;
    }
    return QMessageBox::NoButton;
}

}  // namespace tesmolen
