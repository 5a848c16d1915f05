#include "ui/dialog_owner.h"

#include <QApplication>
#include <QDialog>

QWidget* ActiveDialogOwner() {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

int ExecOwnedBy(QDialog& dialog, QWidget& owner) {
    QWidget* const home = dialog.parentWidget();
    if (home == &owner)
        return dialog.exec();
    // A new parent takes the flags given, so the dialog stays a dialog.
    const Qt::WindowFlags flags = dialog.windowFlags();
    dialog.setParent(&owner, flags);
    const int result = dialog.exec();
    dialog.setParent(home, flags);
    return result;
}
