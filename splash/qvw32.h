// The splash library's entry points: the program shows the splash first thing and hides it once
// ready.
#pragma once

#if defined(QVW32_LIBRARY)
#define QVW32_EXPORT __attribute__((visibility("default")))
#else
#define QVW32_EXPORT
#endif

extern "C" {

// Shows the splash window centred on the primary screen and returns once it is painted. Needs a
// running QApplication; without one it does nothing. A second call while shown does nothing.
QVW32_EXPORT void showsplash();

// Removes the splash window; does nothing when none is shown.
QVW32_EXPORT void hidesplash();
}
