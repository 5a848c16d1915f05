// The help command: which viewer starts on the help file, and the real start of one.
#include "platform/help_launcher.h"
#include "platform/system_processes.h"
#include "support/temp_folder.h"

#include <QMap>
#include <fcntl.h>
#include <fstream>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A desktop with the programs the test names, and a record of what was started.
class RecordingProcesses final : public ProcessStarter {
public:
    QString FindProgram(const QString& name) override {
        return Installed.contains(name) ? QStringLiteral("/usr/bin/") + name : QString();
    }
    QString Output(const QString& program, const QStringList& arguments) override {
        EXPECT_EQ(program, QStringLiteral("/usr/bin/xdg-mime"));
        return arguments.size() == 3 ? Handlers.value(arguments[2]) : QString();
    }
    void StartDetached(const QString& program, const QStringList& arguments) override {
        Started.append(program + QLatin1Char('|') + arguments.join(QLatin1Char('|')));
    }
    void OpenWithDesktop(const QString& file) override {
        Started.append(QStringLiteral("desktop|") + file);
    }

    QStringList Installed;
    QMap<QString, QString> Handlers; // the desktop file xdg-mime names for a type
    QStringList Started;
};

TEST(HelpLauncher, StartsTheFirstViewerTheDesktopHasOnTheWholePath) {
    const std::filesystem::path help = "/opt/Quorvane Games/Help/Quorvane.chm";
    const QString chm = QStringLiteral("/opt/Quorvane Games/Help/Quorvane.chm");
    const QString pages = QStringLiteral("/opt/Quorvane Games/Help/html/index.html");
    const QString chmType = QStringLiteral("application/vnd.ms-htmlhelp");
    const QString chmAlias = QStringLiteral("application/x-chm");
    struct Case {
        const char* Desktop;
        QStringList Installed;
        QMap<QString, QString> Handlers;
        QString Started;
    };
    const QStringList xdg{QStringLiteral("xdg-open"), QStringLiteral("xdg-mime")};
    const QMap<QString, QString> chmHandler{{chmType, QStringLiteral("xchm.desktop\n")}};
    const std::vector<Case> cases{
        {"both viewers", QStringList{"kchmviewer", "xchm"} + xdg, chmHandler,
         "/usr/bin/xchm|" + chm},
        {"kchmviewer", QStringList{"kchmviewer"} + xdg, chmHandler, "/usr/bin/kchmviewer|" + chm},
        {"a handler for the type", xdg, chmHandler, "/usr/bin/xdg-open|" + chm},
        {"a handler for the alias",
         xdg,
         {{chmAlias, QStringLiteral("okular.desktop")}},
         "/usr/bin/xdg-open|" + chm},
        {"no handler", xdg, {{chmType, QStringLiteral("  \n")}}, "/usr/bin/xdg-open|" + pages},
        {"xdg-open alone", {QStringLiteral("xdg-open")}, chmHandler, "/usr/bin/xdg-open|" + pages},
        {"nothing", {}, {}, "desktop|" + pages},
    };
    for (const Case& test : cases) {
        RecordingProcesses processes;
        processes.Installed = test.Installed;
        processes.Handlers = test.Handlers;
        HelpLauncher(processes).ShowHelp(help);
        EXPECT_EQ(processes.Started, QStringList{test.Started}) << test.Desktop;
    }
}

// The viewer is a script that writes its arguments into a pipe; the test reads them from there
// as soon as they come, so nothing waits longer than the start takes.
TEST(HelpLauncher, StartsARealViewerDetached) {
    TempFolder folder;
    const std::filesystem::path pipe = folder / "arguments";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const std::filesystem::path viewer = folder / "xchm";
    std::ofstream(viewer) << "#!/bin/sh\nprintf '%s;' \"$#\" \"$@\" > '" << pipe.string() << "'\n";
    std::filesystem::permissions(viewer, std::filesystem::perms::owner_all);
    const int reader = open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);

    SystemProcesses processes({QString::fromStdString(folder.Path().string())});
    HelpLauncher(processes).ShowHelp(folder / "Program Folder" / "Help" / "Quorvane.chm");

    std::string written;
    pollfd ready{reader, POLLIN, 0};
    while (poll(&ready, 1, 10000) > 0) {
        char buffer[256];
        const ssize_t count = read(reader, buffer, sizeof buffer);
        if (count <= 0)
            break;
        written.append(buffer, static_cast<std::size_t>(count));
    }
    close(reader);
    EXPECT_EQ(written, "1;" + (folder / "Program Folder" / "Help" / "Quorvane.chm").string() + ";");
}

} // namespace
