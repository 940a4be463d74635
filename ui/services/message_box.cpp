#include "message_box.h"

#include "program_end.h"
#include "run_time_error.h"

#include <QMessageBox>
#include <QPushButton>

namespace orvanta {

namespace {

MessageBoxResponder& responder() {
    static MessageBoxResponder current;
    return current;
}

QMessageBox::Icon iconOf(int style) {
    switch (style & 0x70) {
    case MsgBoxStyle::CriticalIcon: return QMessageBox::Critical;
    case MsgBoxStyle::WarningIcon: return QMessageBox::Warning;
    case MsgBoxStyle::InformationIcon: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

int showRealBox(const QString& prompt, int style, const QString& title) {
    QMessageBox box(iconOf(style), title, prompt);
    box.setWindowModality(Qt::ApplicationModal);

    if ((style & 0x7) == MsgBoxStyle::YesNo) {
        QPushButton* yes = box.addButton(QMessageBox::Yes);
        QPushButton* no = box.addButton(QMessageBox::No);
        box.setDefaultButton(yes);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == yes ? MsgBoxAnswer::Yes : MsgBoxAnswer::No;
    }
    QPushButton* ok = box.addButton(QMessageBox::Ok);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
    return MsgBoxAnswer::Ok;
}

}  // namespace

int MsgBox(const QString& prompt, int style, const QString& title) {
    const int buttons = style & 0x7;
    if (buttons != MsgBoxStyle::OkOnly && buttons != MsgBoxStyle::YesNo) throw RunTimeError::invalidCall();
    if (responder()) return responder()(MessageBoxRequest{prompt, style, title});
    return showRealBox(prompt, style, title);
}

void reportRunTimeError(const RunTimeError& error) {
    showRunTimeError(error);
    End();
}

void showRunTimeError(const RunTimeError& error) {
    const QString prompt =
        QString("Run-time error '%1':\n\n%2").arg(error.number()).arg(QString::fromStdString(error.what()));
    MsgBox(prompt, MsgBoxStyle::OkOnly + MsgBoxStyle::CriticalIcon, "Orvanta");
}

void setMessageBoxResponder(MessageBoxResponder newResponder) { responder() = std::move(newResponder); }

}  // namespace orvanta
