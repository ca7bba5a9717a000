#pragma once
// @brief The save driver started from a test: a second program on the lists' folder, whose
// reports tell which saves it completed.

#include "driver_lines.h"

#include <QtTest>

#include <QProcess>

namespace morvelin::test {

class DriverProcess {
public:
    // Starts "save_driver ARGUMENTS"; false when it does not start.
    bool start(const QStringList &arguments)
    {
        m_process.setProgram(QStringLiteral(MORVELIN_SAVE_DRIVER));
        m_process.setArguments(arguments);
        m_process.start();
        return m_process.waitForStarted();
    }

    // Waits for the first report; false when none comes in time.
    bool waitForReport(int ms = 10'000)
    {
        return m_process.canReadLine() || m_process.waitForReadyRead(ms);
    }

    void kill()
    {
        m_process.kill();
        m_process.waitForFinished();
    }

    bool finishedWell(int ms = 30'000)
    {
        return m_process.waitForFinished(ms) && m_process.exitStatus() == QProcess::NormalExit
               && m_process.exitCode() == 0;
    }

    // The last save it reported done, or 0.
    int lastSaved()
    {
        m_output += m_process.readAllStandardOutput();
        int last = 0;
        for (const QByteArray &line : m_output.split('\n')) {
            if (line.startsWith("saved "))
                last = line.mid(6).toInt();
        }
        return last;
    }

    QByteArray errors() { return m_process.readAllStandardError(); }

private:
    QProcess m_process;
    QByteArray m_output;
};

} // namespace morvelin::test
