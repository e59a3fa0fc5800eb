#pragma once

#include <QProcess>
#include <QString>

// An Xvfb server of the test's own. With -displayfd it picks a free display itself and
// writes the number once it accepts connections; it is shut down with the object.
class XServer {
public:
    XServer() = default;
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;
    ~XServer()
    {
        // A polite end lets the server remove its lock file and socket.
        m_process.terminate();
        if (!m_process.waitForFinished(kTimeoutMs))
            m_process.kill();
        m_process.waitForFinished(kTimeoutMs);
    }

    // The display, such as ":1", or an empty text when no server could be started.
    QString start()
    {
        m_process.setStandardErrorFile(QProcess::nullDevice());
        m_process.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten",
                                 "tcp", "-noreset"});
        QByteArray output;
        while (!output.contains('\n') && m_process.waitForReadyRead(kTimeoutMs))
            output += m_process.readAllStandardOutput();
        bool isNumber = false;
        const int display = output.trimmed().toInt(&isNumber);
        return isNumber ? QString(":%1").arg(display) : QString();
    }

private:
    static constexpr int kTimeoutMs = 10000;
    QProcess m_process;
};
