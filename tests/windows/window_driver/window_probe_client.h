// The driver's side of window_probe: one probe under wine for a whole test, asked one command at
// a time through its standard input and output.
#pragma once

#include "base/pixel_rect.h"
#include "hardening/child_process.h"
#include "render/pixel_image.h"

#include <chrono>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

// A top-level window's client area on the screen and its caption.
struct ClientArea {
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
    std::string Caption;
};

struct MenuItemState {
    bool Enabled = false;
    bool Checked = false;
};

struct TopWindow {
    std::string Class;
    std::string OwnerClass; // "-" for none
    std::string Caption;
};

class WindowProbe {
public:
    // Starts the probe under wine; `scratch` is a folder for the grabbed pictures.
    WindowProbe(const std::filesystem::path& probe, const std::filesystem::path& scratch);
    ~WindowProbe();
    WindowProbe(const WindowProbe&) = delete;
    WindowProbe& operator=(const WindowProbe&) = delete;

    // The probe runs and answers, so that a window it does not find is really not there.
    bool Answers() { return Ask("windows").has_value(); }
    // The shown top-level window of the class, with the caption when one is given, waited for
    // up to the limit.
    std::optional<ClientArea> Find(const std::string& windowClass, std::chrono::milliseconds limit,
                                   const std::string& caption = {});
    // Client-area pixels of the window as it shows them; of the class "-", the screen's pixels,
    // whichever window is in front.
    std::optional<PixelImage> Grab(const std::string& windowClass, const PixelRect& rect);
    // The states of the window's menu items by command id.
    std::map<int, MenuItemState> Menu(const std::string& windowClass);
    std::vector<TopWindow> Windows();
    // The screen rectangle of a visible control by its text, in the shown window of the caption,
    // waited for up to the limit.
    std::optional<PixelRect> Control(const std::string& caption, const std::string& text,
                                     std::chrono::milliseconds limit);
    // Ends the process of the window of the class at once.
    bool Kill(const std::string& windowClass);
    // Waits up to the limit for the file to be there with no writer holding it.
    bool AwaitFile(const std::filesystem::path& path, std::chrono::milliseconds limit);
    // Deletes a key of the current user's hive with everything below it.
    bool Forget(const std::string& key);

private:
    // The answer's lines before the closing ".", or nothing on an error or a silent probe.
    std::optional<std::vector<std::string>> Ask(const std::string& command);

    std::filesystem::path Scratch;
    ChildId Child = NoChild;
    StreamEnd ToProbe = NoStream;
    StreamEnd FromProbe = NoStream;
    std::string Pending; // read beyond the last answer
};

// A binary PPM as 0xFFRRGGBB pixels; nothing for anything else.
std::optional<PixelImage> ReadPpm(const std::filesystem::path& path);
