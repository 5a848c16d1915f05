#include "ui/message_boxes.h"

#include "ui/dialog_owner.h"

#include <QCoreApplication>
#include <QMessageBox>

void MessageBoxes::Error(const QString& text) {
    QMessageBox::critical(ActiveDialogOwner(), QCoreApplication::applicationName(), text);
}

void MessageBoxes::Inform(const QString& text) {
    QMessageBox::information(ActiveDialogOwner(), QCoreApplication::applicationName(), text);
}

bool MessageBoxes::ConfirmOkCancel(const QString& text) {
    return QMessageBox::question(ActiveDialogOwner(), QCoreApplication::applicationName(), text,
                                 QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

bool MessageBoxes::AskYesNo(const QString& text) {
    return QMessageBox::question(ActiveDialogOwner(), QCoreApplication::applicationName(), text,
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}
