// How long help takes to come up on the shipped help file: a new window read from the file and
// drawn, and the same window asked again.
#include "ui/message_dialogs.h"
#include "help/help_window.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

const std::filesystem::path HelpFile = QUORVANE_HELP_FILE;

// A help file that cannot be read ends the benchmark instead of timing a message.
class FailingMessages final : public MessageDialogs {
public:
    explicit FailingMessages(benchmark::State& state) : State(state) {}
    void Error(const QString& text) override { State.SkipWithError(qPrintable(text)); }
    bool ConfirmOkCancel(const QString&) override { return false; }
    bool AskYesNo(const QString&) override { return false; }

private:
    benchmark::State& State;
};

void OpenHelpWindow(benchmark::State& state) {
    FailingMessages messages(state);
    for (auto _ : state) {
        HelpWindow window(messages, nullptr);
        window.ShowHelp(HelpFile);
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.grab());
    }
}
BENCHMARK(OpenHelpWindow)->Unit(benchmark::kMillisecond);

void ShowOpenHelpAgain(benchmark::State& state) {
    FailingMessages messages(state);
    HelpWindow window(messages, nullptr);
    window.ShowHelp(HelpFile);
    for (auto _ : state) {
        window.hide();
        window.ShowHelp(HelpFile);
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.grab());
    }
}
BENCHMARK(ShowOpenHelpAgain)->Unit(benchmark::kMillisecond);

} // namespace
