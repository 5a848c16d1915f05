#include "platform/system_processes.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace {

// A query that has not answered by then is taken as no answer; it must not hold up the window.
constexpr int QueryTimeoutMs = 3000;

} // namespace

SystemProcesses::SystemProcesses(QStringList searchPaths) : SearchPaths(std::move(searchPaths)) {}

QString SystemProcesses::FindProgram(const QString& name) {
    return QStandardPaths::findExecutable(name, SearchPaths);
}

QString SystemProcesses::Output(const QString& program, const QStringList& arguments) {
    QProcess query;
    query.start(program, arguments, QIODevice::ReadOnly);
    if (!query.waitForFinished(QueryTimeoutMs)) {
        query.kill();
        query.waitForFinished();
        return {};
    }
    if (query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0)
        return {};
    return QString::fromLocal8Bit(query.readAllStandardOutput());
}

void SystemProcesses::StartDetached(const QString& program, const QStringList& arguments) {
    // Each argument reaches the program whole, so blanks in a path need no quotes.
    QProcess::startDetached(program, arguments);
}

void SystemProcesses::OpenWithDesktop(const QString& file) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}
