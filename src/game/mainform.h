// The main window: the board, the menus and the tool bar of one game.
#pragma once

#include <QMainWindow>

class Tfmainform : public QMainWindow {
    Q_OBJECT

public:
    // The client area below the menu bar as the window is designed, before a puzzle sizes it.
    static constexpr int DesignedClientWidth = 627;
    static constexpr int DesignedClientHeight = 419;

    explicit Tfmainform(QWidget* parent = nullptr);
};
