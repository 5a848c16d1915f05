#include "game/message_boxes.h"

#include <QCoreApplication>
#include <QMessageBox>

void MessageBoxes::Error(const QString& text) {
    QMessageBox::critical(nullptr, QCoreApplication::applicationName(), text);
}

void MessageBoxes::Inform(const QString& text) {
    QMessageBox::information(nullptr, QCoreApplication::applicationName(), text);
}

bool MessageBoxes::ConfirmOkCancel(const QString& text) {
    return QMessageBox::question(nullptr, QCoreApplication::applicationName(), text,
                                 QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

bool MessageBoxes::AskYesNo(const QString& text) {
    return QMessageBox::question(nullptr, QCoreApplication::applicationName(), text,
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}
