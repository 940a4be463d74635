#include "services/message_box.h"

#include "calc/run_time_error.h"
#include "services/modal_owner.h"
#include "services/program_end.h"

#include <QEventLoop>
#include <QMessageBox>
#include <QPushButton>

namespace orvanta {

namespace {

MessageBoxResponder& responder() {
    static MessageBoxResponder current;
    return current;
}

QMessageBox::Icon iconOf(MsgBoxStyle style) {
    switch (style) {
    case MsgBoxStyle::Critical: return QMessageBox::Critical;
    case MsgBoxStyle::YesNoExclamation: return QMessageBox::Warning;
    case MsgBoxStyle::Information: return QMessageBox::Information;
    }
    Q_ASSERT_X(false, "MsgBox", "a style the program does not use");
    return QMessageBox::NoIcon;
}

// Like exec, but only an answer ends the wait: the box may be hidden and shown again meanwhile.
void awaitAnswer(QMessageBox& box) {
    QEventLoop wait;
    QObject::connect(&box, &QDialog::finished, &wait, &QEventLoop::quit);
    box.show();
    wait.exec();
}

MsgBoxAnswer showRealBox(const QString& prompt, MsgBoxStyle style, const QString& title) {
    // The box belongs to the window that is up: placed over it and kept above it.
    QMessageBox box(iconOf(style), title, prompt, QMessageBox::NoButton, modalOwner(nullptr));
    box.setWindowModality(Qt::ApplicationModal);
    keepModalInCharge();

    if (style == MsgBoxStyle::YesNoExclamation) {
        QPushButton* yes = box.addButton(QMessageBox::Yes);
        box.addButton(QMessageBox::No);
        box.setDefaultButton(yes);  // Escape answers No: the box takes its button of the No role for that
        awaitAnswer(box);
        return box.clickedButton() == yes ? MsgBoxAnswer::Yes : MsgBoxAnswer::No;
    }
    QPushButton* ok = box.addButton(QMessageBox::Ok);
    box.setDefaultButton(ok);
    awaitAnswer(box);
    return MsgBoxAnswer::Ok;
}

}  // namespace

MsgBoxAnswer MsgBox(const QString& prompt, MsgBoxStyle style, const QString& title) {
    if (responder()) return responder()(MessageBoxRequest{prompt, style, title});
    return showRealBox(prompt, style, title);
}

void reportRunTimeError(const RunTimeError& error) {
    showRunTimeError(error);
    End(1);
}

void showRunTimeError(const RunTimeError& error) {
    const QString prompt =
        QString("Run-time error '%1':\n\n%2").arg(error.number()).arg(QString::fromStdString(error.what()));
    MsgBox(prompt, MsgBoxStyle::Critical, "Orvanta");
}

void setMessageBoxResponder(MessageBoxResponder newResponder) { responder() = std::move(newResponder); }

}  // namespace orvanta
