#include "game/mainform.h"

Tfmainform::Tfmainform(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("Quorvane [BETA]"));
    auto* client = new QWidget(this);
    client->setFixedSize(DesignedClientWidth, DesignedClientHeight);
    setCentralWidget(client);
}
