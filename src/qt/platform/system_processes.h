// The processes of this machine: programs found on the search path, started detached.
#pragma once

#include "platform/process_starter.h"

class SystemProcesses final : public ProcessStarter {
public:
    // Programs are looked for in the folders given, or on PATH when none are.
    explicit SystemProcesses(QStringList searchPaths = {});

    QString FindProgram(const QString& name) override;
    QString Output(const QString& program, const QStringList& arguments) override;
    void StartDetached(const QString& program, const QStringList& arguments) override;
    void OpenWithDesktop(const QString& file) override;

private:
    QStringList SearchPaths;
};
