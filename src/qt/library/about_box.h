// The about box as the main window shows it.
#pragma once

class AboutBox {
public:
    virtual ~AboutBox() = default;
    // Shows the box modally until the player closes it.
    virtual void ShowAbout() = 0;
};
