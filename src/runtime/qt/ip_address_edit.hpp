#pragma once

#include <QFrame>
#include <QString>

#include <array>

class QLineEdit;

namespace tesmolen {

// An IPv4 address in four fields of 0..255. Its text is the dotted address, or the empty text
// while every field is blank; a blank field among filled ones counts as 0.
class IpAddressEdit : public QFrame {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)

public:
    explicit IpAddressEdit(QWidget* parent);

    QString text() const;
    // Four dot-separated numbers of 0..255 fill the fields; any other text blanks them.
    void setText(const QString& text);
    QLineEdit* field(int index) const { return fields_[static_cast<std::size_t>(index)]; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fieldEdited(int index);
    void focusField(int index);

    std::array<QLineEdit*, 4> fields_{};
};

}  // namespace tesmolen
