// Which window a dialog belongs to. A window manager keeps a dialog above its owner and raises the
// owner with it, so a dialog owned by the wrong window pulls that window over the one in use.
#pragma once

class QDialog;
class QWidget;

// The window the user is working in: the topmost modal one, else the active window; none before
// any window is up.
QWidget* ActiveDialogOwner();

// Shows a dialog that several windows open modally, as the owner's own for as long as it shows.
int ExecOwnedBy(QDialog& dialog, QWidget& owner);
