#include "ui/tool_band.h"

#include <QApplication>
#include <QFrame>

namespace {

constexpr int BevelHeight = 2;
constexpr int PanelHeight = 26;

QFrame* Bevel(QWidget& parent, const char* name) {
    auto* bevel = new QFrame(&parent);
    bevel->setObjectName(QString::fromLatin1(name));
    bevel->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    return bevel;
}

} // namespace

void ToolBand::LayOut(int width) const {
    Bevel1->setGeometry(0, 0, width, BevelHeight);
    Panel1->setGeometry(0, BevelHeight, width, PanelHeight);
    Bevel2->setGeometry(0, BevelHeight + PanelHeight, width, BevelHeight);
}

int ToolBand::NeededWidth() const {
    // Geometries rather than childrenRect, which leaves out buttons not shown yet.
    QRect buttons;
    for (const QWidget* button : Panel1->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        buttons = buttons.united(button->geometry());
    return buttons.isNull() ? 0 : buttons.right() + 1 + buttons.left();
}

ToolBand CreateToolBand(QWidget& client) {
    QFrame* bevel1 = Bevel(client, "Bevel1");
    auto* panel = new QWidget(&client);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setCursor(Qt::ArrowCursor);
    UseFaceColour(*panel);
    return {bevel1, panel, Bevel(client, "Bevel2")};
}

void UseFaceColour(QWidget& bar) {
    QPalette palette = QApplication::palette(&bar);
    palette.setColor(QPalette::Window, palette.color(QPalette::Button));
    bar.setPalette(palette);
    bar.setAutoFillBackground(true);
}
