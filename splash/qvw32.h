// The splash library's entry points: the program shows the splash first thing and hides it once
// ready.
#pragma once

// On Windows the two are exported by their plain names from qvw32.dll and imported from it by the
// program; on Linux they are the only symbols libqvw32 makes visible.
#if defined(_WIN32) && defined(QVW32_LIBRARY)
#define QVW32_EXPORT __declspec(dllexport)
#elif defined(_WIN32)
#define QVW32_EXPORT __declspec(dllimport)
#elif defined(QVW32_LIBRARY)
#define QVW32_EXPORT __attribute__((visibility("default")))
#else
#define QVW32_EXPORT
#endif

extern "C" {

// Shows the splash window centred on the primary screen's work area and returns once it is
// painted; a second call while shown does nothing. On Linux it needs a running QApplication and
// without one does nothing. On Windows the window belongs to the calling thread, whose messages
// keep it painted, and it goes by itself when a dialog box of that thread, a message box among
// them, is activated.
QVW32_EXPORT void showsplash();

// Removes the splash window; does nothing when none is shown.
QVW32_EXPORT void hidesplash();
}
