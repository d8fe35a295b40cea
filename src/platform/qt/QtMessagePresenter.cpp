#include "platform/qt/QtMessagePresenter.h"

#include "platform/qt/QtText.h"

#include <QApplication>
#include <QMessageBox>

namespace qor {

namespace {

QMessageBox::Icon IconOf(int flags) {
    switch (flags & 0xF0) {
    case kMbIconError:
        return QMessageBox::Critical;
    case kMbIconQuestion:
        return QMessageBox::Question;
    case kMbIconExclamation:
        return QMessageBox::Warning;
    case kMbIconInformation:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

struct ButtonChoice {
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton;
};

ButtonChoice ButtonsOf(int flags) {
    switch (flags & 0x0F) {
    case kMbOkCancel:
        return {QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok};
    case kMbYesNoCancel:
        return {QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes};
    case kMbYesNo:
        return {QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes};
    case kMbRetryCancel:
        return {QMessageBox::Retry | QMessageBox::Cancel, QMessageBox::Retry};
    default:
        return {QMessageBox::Ok, QMessageBox::Ok};
    }
}

int ResultOf(int button) {
    switch (button) {
    case QMessageBox::Ok:
        return kIdOk;
    case QMessageBox::Cancel:
        return kIdCancel;
    case QMessageBox::Retry:
        return kIdRetry;
    case QMessageBox::Yes:
        return kIdYes;
    case QMessageBox::No:
        return kIdNo;
    default:
        return kIdCancel;
    }
}

} // namespace

int QtMessagePresenter::Show(std::string_view text, std::string_view caption, int flags) {
    QString body = ToQString(text);
    // Windows message texts separate lines with "\r", "\n" or "\r\n".
    body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    body.replace(QChar('\r'), QChar('\n'));
    ButtonChoice choice = ButtonsOf(flags);
    QMessageBox box(IconOf(flags), ToQString(caption), body, choice.buttons, QApplication::activeWindow());
    box.setDefaultButton(choice.defaultButton);
    return ResultOf(box.exec());
}

} // namespace qor
