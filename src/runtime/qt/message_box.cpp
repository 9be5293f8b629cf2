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

constexpr AnswerButton<QMessageBox::StandardButton> answerButtons[] = {
    {Answer::yes, QMessageBox::Yes},
    {Answer::no, QMessageBox::No},
    {Answer::ok, QMessageBox::Ok},
};

QMessageBox::StandardButton buttonOf(Answer answer) {
    return buttonFor<QMessageBox::StandardButton>(answerButtons, answer, QMessageBox::NoButton);
}

Answer answerOf(QMessageBox::StandardButton button) {
    return answerFor<QMessageBox::StandardButton>(answerButtons, button);
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
