#include "platform/help_launcher.h"

#include "platform/process_starter.h"

#include <QString>
#include <QStringList>

namespace {

QString PathText(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

} // namespace

void HelpLauncher::ShowHelp(const std::filesystem::path& helpFile) {
    const QString chm = PathText(helpFile);
    for (const QString& viewer : {QStringLiteral("xchm"), QStringLiteral("kchmviewer")}) {
        const QString program = Processes.FindProgram(viewer);
        if (!program.isEmpty()) {
            Processes.StartDetached(program, {chm});
            return;
        }
    }
    const QString xdgOpen = Processes.FindProgram(QStringLiteral("xdg-open"));
    if (!xdgOpen.isEmpty() && DesktopOpensChm()) {
        Processes.StartDetached(xdgOpen, {chm});
        return;
    }
    // Without a viewer, xdg-open on a CHM would land in an archive manager or nowhere; the same
    // pages as HTML open in the browser instead.
    const QString pages = PathText(helpFile.parent_path() / "html" / "index.html");
    if (!xdgOpen.isEmpty())
        Processes.StartDetached(xdgOpen, {pages});
    else
        Processes.OpenWithDesktop(pages);
}

bool HelpLauncher::DesktopOpensChm() {
    // xdg-mime comes with xdg-open; the desktop names a handler for either of the type's names.
    const QString xdgMime = Processes.FindProgram(QStringLiteral("xdg-mime"));
    if (xdgMime.isEmpty())
        return false;
    for (const QString& type :
         {QStringLiteral("application/vnd.ms-htmlhelp"), QStringLiteral("application/x-chm")})
        if (!Processes.Output(xdgMime, {QStringLiteral("query"), QStringLiteral("default"), type})
                 .trimmed()
                 .isEmpty())
            return true;
    return false;
}
