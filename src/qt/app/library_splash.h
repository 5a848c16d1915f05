// The splash of the start-up, shown and hidden by the splash library.
#pragma once

#include "game/mainform_services.h"
#include "qvw32.h"

class LibrarySplash final : public SplashControl {
public:
    void Hide() override { hidesplash(); }
};
