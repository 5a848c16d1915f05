// A window made the first time it is needed instead of at start-up, and kept for the run. Most
// runs open few of the program's dialogs, and each one made costs memory and start-up time.
#pragma once

#include <QObject>
#include <QWidget>
#include <functional>

template <typename Window> class DeferredWindow : public QObject {
public:
    // Makes the window with the owner given here as its parent.
    using Maker = std::function<Window*(QWidget& owner)>;

    // The window, once made, belongs to the owner, as this does.
    DeferredWindow(QWidget& owner, Maker make)
        : QObject(&owner), Owner(owner), Make(std::move(make)) {}

    // The window, made on the first call.
    Window& Made() const {
        if (Window_ == nullptr)
            Window_ = Make(Owner);
        return *Window_;
    }

private:
    QWidget& Owner;
    Maker Make;
    mutable Window* Window_ = nullptr;
};
