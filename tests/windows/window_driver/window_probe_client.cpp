// The driver's side of window_probe.
#include "window_driver/window_probe_client.h"

#include "window_driver/wine_gui.h"

#include <fstream>
#include <poll.h>
#include <sstream>

namespace {

// How long an answer may take: the probe's own waits plus a slow start under wine.
constexpr int AnswerLimitMs = 60000;

} // namespace

WindowProbe::WindowProbe(const std::filesystem::path& probe, const std::filesystem::path& scratch)
    : Scratch(scratch) {
    StreamEnd probeInput = NoStream, probeOutput = NoStream;
    if (!MakePipe(probeInput, ToProbe) || !MakePipe(FromProbe, probeOutput))
        return;
    Child = StartUnderWine({WindowsPath(probe)}, probeInput, probeOutput);
    CloseStream(probeInput);
    CloseStream(probeOutput);
}

WindowProbe::~WindowProbe() {
    // At the end of its input the probe leaves.
    if (ToProbe != NoStream)
        CloseStream(ToProbe);
    if (Child != NoChild && !WaitWithin(Child, std::chrono::seconds(10))) {
        KillHelper(Child);
        WaitFor(Child);
    }
    if (FromProbe != NoStream)
        CloseStream(FromProbe);
}

std::optional<std::vector<std::string>> WindowProbe::Ask(const std::string& command) {
    if (Child == NoChild)
        return std::nullopt;
    const std::string line = command + "\n";
    if (::write(ToProbe, line.data(), line.size()) != static_cast<ssize_t>(line.size()))
        return std::nullopt;
    std::vector<std::string> lines;
    for (;;) {
        const std::size_t end = Pending.find('\n');
        if (end != std::string::npos) {
            std::string answer = Pending.substr(0, end);
            Pending.erase(0, end + 1);
            if (!answer.empty() && answer.back() == '\r')
                answer.pop_back();
            if (answer == ".")
                return lines;
            if (answer.rfind("error", 0) == 0)
                return std::nullopt;
            lines.push_back(answer);
            continue;
        }
        pollfd readable{FromProbe, POLLIN, 0};
        if (::poll(&readable, 1, AnswerLimitMs) <= 0)
            return std::nullopt;
        char buffer[4096];
        const std::ptrdiff_t got = ReadStream(FromProbe, buffer, sizeof(buffer));
        if (got <= 0)
            return std::nullopt;
        Pending.append(buffer, static_cast<std::size_t>(got));
    }
}

std::optional<ClientArea> WindowProbe::Find(const std::string& windowClass,
                                            std::chrono::milliseconds limit,
                                            const std::string& caption) {
    const auto lines =
        Ask("find " + windowClass + " " + std::to_string(limit.count()) + " " + caption);
    if (!lines || lines->size() != 1)
        return std::nullopt;
    std::istringstream words(lines->front());
    ClientArea area;
    if (!(words >> area.X >> area.Y >> area.Width >> area.Height))
        return std::nullopt;
    std::getline(words >> std::ws, area.Caption);
    return area;
}

std::optional<PixelImage> WindowProbe::Grab(const std::string& windowClass,
                                            const PixelRect& rect) {
    const std::filesystem::path picture = Scratch / "grab.ppm";
    std::ostringstream command;
    command << "grab " << windowClass << ' ' << rect.Left << ' ' << rect.Top << ' '
            << rect.Right - rect.Left << ' ' << rect.Bottom - rect.Top << ' '
            << WindowsPath(picture);
    return Ask(command.str()) ? ReadPpm(picture) : std::nullopt;
}

std::map<int, MenuItemState> WindowProbe::Menu(const std::string& windowClass) {
    std::map<int, MenuItemState> items;
    for (const std::string& line : Ask("menu " + windowClass).value_or(std::vector<std::string>{})) {
        std::istringstream words(line);
        int id = 0, enabled = 0, checked = 0;
        if (words >> id >> enabled >> checked)
            items[id] = {enabled != 0, checked != 0};
    }
    return items;
}

std::vector<TopWindow> WindowProbe::Windows() {
    std::vector<TopWindow> windows;
    for (const std::string& line : Ask("windows").value_or(std::vector<std::string>{})) {
        const std::size_t tab = line.find('\t');
        std::istringstream words(line.substr(0, tab));
        TopWindow window;
        words >> window.Class >> window.OwnerClass;
        window.Caption = tab == std::string::npos ? "" : line.substr(tab + 1);
        windows.push_back(window);
    }
    return windows;
}

std::optional<PixelRect> WindowProbe::Control(const std::string& caption, const std::string& text,
                                              std::chrono::milliseconds limit) {
    const auto lines =
        Ask("control " + std::to_string(limit.count()) + " " + caption + "\t" + text);
    if (!lines || lines->size() != 1)
        return std::nullopt;
    std::istringstream words(lines->front());
    int x = 0, y = 0, width = 0, height = 0;
    if (!(words >> x >> y >> width >> height))
        return std::nullopt;
    return PixelRect{x, y, x + width, y + height};
}

bool WindowProbe::Kill(const std::string& windowClass) {
    return Ask("kill " + windowClass).has_value();
}

bool WindowProbe::AwaitFile(const std::filesystem::path& path, std::chrono::milliseconds limit) {
    return Ask("file " + std::to_string(limit.count()) + " " + WindowsPath(path)).has_value();
}

bool WindowProbe::Forget(const std::string& key) {
    return Ask("forget " + key).has_value();
}

std::optional<PixelImage> ReadPpm(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::string magic;
    int width = 0, height = 0, maximum = 0;
    if (!(file >> magic >> width >> height >> maximum) || magic != "P6" || maximum != 255 ||
        width <= 0 || height <= 0)
        return std::nullopt;
    file.get(); // the one blank after the header
    std::vector<unsigned char> bytes(static_cast<std::size_t>(width) * height * 3);
    if (!file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size())))
        return std::nullopt;
    PixelImage image;
    image.Resize(width, height);
    for (std::size_t i = 0; i < image.Pixels.size(); ++i)
        image.Pixels[i] = 0xFF000000u | static_cast<Pixel>(bytes[3 * i]) << 16 |
                          static_cast<Pixel>(bytes[3 * i + 1]) << 8 | bytes[3 * i + 2];
    return image;
}
