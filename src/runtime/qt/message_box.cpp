#include "runtime/qt/message_box.hpp"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTimer>

namespace tesmolen {

namespace {

QMessageBox::StandardButtons buttonsOf(MessageButtons buttons) {
    return buttons == MessageButtons::yesNo ? QMessageBox::Yes | QMessageBox::No
                                            : QMessageBox::StandardButtons(QMessageBox::Ok);
}

QMessageBox::Icon iconOf(MessageIcon icon) {
    return icon == MessageIcon::information ? QMessageBox::Information : QMessageBox::NoIcon;
}

QMessageBox::StandardButton buttonOf(Answer answer) {
    switch (answer) {
        case Answer::yes:
            return QMessageBox::Yes;
        case Answer::no:
            return QMessageBox::No;
        case Answer::ok:
            return QMessageBox::Ok;
        case Answer::none:
            break;
    }
    return QMessageBox::NoButton;
}

Answer answerOf(QMessageBox::StandardButton button) {
    switch (button) {
        case QMessageBox::Yes:
            return Answer::yes;
        case QMessageBox::No:
            return Answer::no;
        case QMessageBox::Ok:
            return Answer::ok;
        default:
            return Answer::none;
    }
}

}  // namespace

Answer showMessageBox(const MessageBoxRequest& request, std::optional<Answer> press) {
    QMessageBox box(iconOf(request.style.icon), request.title, request.text,
                    buttonsOf(request.style.buttons), request.owner);
    box.setTextFormat(Qt::PlainText);
    if (press) {
        QTimer::singleShot(0, &box, [&box, button = buttonOf(*press)] {
            if (QAbstractButton* pressed = box.button(button)) pressed->click();
        });
    }
    box.exec();
    return answerOf(box.standardButton(box.clickedButton()));
}

}  // namespace tesmolen
