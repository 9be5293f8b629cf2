#include "runtime/qt/ip_address_edit.hpp"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QStringList>

#include <optional>

namespace tesmolen {

namespace {

constexpr int highestValue = 255;

std::optional<int> fieldValue(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < 0 || value > highestValue || text.size() > 3) return std::nullopt;
    return value;
}

}  // namespace

IpAddressEdit::IpAddressEdit(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    setFocusPolicy(Qt::StrongFocus);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(2, 1, 2, 1);
    row->setSpacing(0);
    auto* digits = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,3}")),
                                                   this);
    for (int i = 0; i < 4; ++i) {
        if (i > 0) row->addWidget(new QLabel(QStringLiteral("."), this));
        auto* field = new QLineEdit(this);
        field->setFrame(false);
        field->setAlignment(Qt::AlignCenter);
        field->setValidator(digits);
        field->installEventFilter(this);
        // Tab enters the box at its first field; "." and the arrows move between the fields.
        if (i > 0) field->setFocusPolicy(Qt::ClickFocus);
        connect(field, &QLineEdit::textEdited, this, [this, i] { fieldEdited(i); });
        fields_[static_cast<std::size_t>(i)] = field;
        row->addWidget(field, 1);
    }
    setFocusProxy(fields_[0]);
}

QString IpAddressEdit::text() const {
    QStringList parts;
    bool blank = true;
    for (QLineEdit* field : fields_) {
        const std::optional<int> value = fieldValue(field->text());
        blank = blank && field->text().isEmpty();
        parts << QString::number(value.value_or(0));
    }
    return blank ? QString() : parts.join(QChar(u'.'));
}

void IpAddressEdit::setText(const QString& text) {
    const QStringList parts = text.split(QChar(u'.'));
    bool valid = parts.size() == 4;
    for (const QString& part : parts) valid = valid && fieldValue(part).has_value();
    for (int i = 0; i < 4; ++i) {
        fields_[static_cast<std::size_t>(i)]->setText(
            valid ? QString::number(*fieldValue(parts[i])) : QString());
    }
}

void IpAddressEdit::fieldEdited(int index) {
    QLineEdit* field = fields_[static_cast<std::size_t>(index)];
    const std::optional<int> value = fieldValue(field->text());
    if (!field->text().isEmpty() && !value) field->setText(QString::number(highestValue));
    if (field->text().size() == 3 && index < 3) focusField(index + 1);
}

void IpAddressEdit::focusField(int index) {
    QLineEdit* field = fields_[static_cast<std::size_t>(index)];
    field->setFocus();
    field->selectAll();
}

bool IpAddressEdit::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QFrame::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    for (int i = 0; i < 4; ++i) {
        QLineEdit* field = fields_[static_cast<std::size_t>(i)];
        if (watched != field) continue;
        if (key->key() == Qt::Key_Period && i < 3) {
            if (!field->text().isEmpty()) focusField(i + 1);
            return true;
        }
        if (key->key() == Qt::Key_Backspace && field->text().isEmpty() && i > 0) {
            focusField(i - 1);
            return true;
        }
        const bool atEnd = field->cursorPosition() == field->text().size();
        if (key->key() == Qt::Key_Left && field->cursorPosition() == 0 && i > 0) {
            focusField(i - 1);
            return true;
        }
        if (key->key() == Qt::Key_Right && atEnd && i < 3) {
            focusField(i + 1);
            return true;
        }
        // Shift+Tab leaves the box before its first field, from whichever field it is pressed in.
        const bool backtab = key->key() == Qt::Key_Backtab ||
                             (key->key() == Qt::Key_Tab && (key->modifiers() & Qt::ShiftModifier) != 0);
        if (backtab && i > 0) fields_[0]->setFocus(Qt::BacktabFocusReason);
    }
    return QFrame::eventFilter(watched, event);
}

}  // namespace tesmolen
