#pragma once

#include <QString>

#include <optional>

#include "runtime/box_style.hpp"

class QWidget;

namespace tesmolen {

struct MessageBoxRequest {
    QWidget* owner = nullptr;
    QString text;
    QString title;
    BoxStyle style;
};

// Shows the modal box and returns the answer that closed it. With press, the box is pressed
// with that answer as soon as it is up; it must be one the box offers.
Answer showMessageBox(const MessageBoxRequest& request, std::optional<Answer> press);

}  // namespace tesmolen
