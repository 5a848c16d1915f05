// Finding and starting other programs, given to the code that starts them so that tests can see
// which command would run.
#pragma once

#include <QString>
#include <QStringList>

class ProcessStarter {
public:
    virtual ~ProcessStarter() = default;

    // The full path of a program on the search path, or empty when there is none.
    virtual QString FindProgram(const QString& name) = 0;
    // Runs a short query to its end and gives what it printed; empty when it failed to run.
    virtual QString Output(const QString& program, const QStringList& arguments) = 0;
    // Starts a program and returns at once, never waiting for it.
    virtual void StartDetached(const QString& program, const QStringList& arguments) = 0;
    // Hands a local file to the desktop to open in the program it uses for its kind.
    virtual void OpenWithDesktop(const QString& file) = 0;
};
