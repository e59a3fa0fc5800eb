#pragma once

#include "OrdinaryUser.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <csignal>
#include <map>
#include <optional>
#include <sys/stat.h>

// One run of the real program: a copy of the executable in a folder of its own (where it
// keeps its settings file and finds its background picture), started on the given display
// with a private temporary and runtime folder, so that its single-instance lock meets no other
// run's.
class ClockProcess {
public:
    explicit ClockProcess(QString display)
        : m_display(std::move(display))
    {
    }
    ~ClockProcess() { kill(); }

    QString path(const QString& name) const { return m_folder.filePath(name); }
    QByteArray readFile(const QString& name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Writes a file in the run's folder, making the folders on its path.
    bool writeFile(const QString& name, const QByteArray& bytes) const
    {
        QDir().mkpath(QFileInfo(path(name)).path());
        QFile file(path(name));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }
    // What the program wrote to its standard output and error.
    std::string output() const { return readFile("output.log").toStdString(); }

    // Sets (or, with no value, removes) a variable of the program's environment.
    void setEnvironment(const QString& name, std::optional<QString> value)
    {
        m_environment[name] = std::move(value);
    }
    // Runs an installed program instead of a copy of the built one.
    void setProgram(const QString& program) { m_program = program; }
    // Runs the program as `user`, who gets the run's folder, with a home of their own in it.
    void runAs(const OrdinaryUser& user)
    {
        m_user = user;
        QDir().mkpath(path("home"));
        setEnvironment("HOME", path("home"));
        setEnvironment("XDG_CONFIG_HOME", std::nullopt);
    }

    // A non-empty `frozenTime` ("2026-12-06 10:20:30") stops the program's clock there; with
    // a leading "@" the clock starts there and runs on. A run given another run's temporary
    // folder shares its single-instance lock.
    bool start(const QStringList& switches, const QString& frozenTime = {},
               const QString& tempFolder = {})
    {
        QString program = m_program;
        if (program.isEmpty()) {
            program = path("tikora-clock");
            // A later start in the same folder runs the same copy.
            if (!QFile::exists(program) && !QFile::copy(TIKORA_CLOCK_PROGRAM, program))
                return false;
        }
        // A runtime folder is the user's alone; Qt complains of any other.
        if (!QDir().mkpath(path("tmp")) || ::chmod(QFile::encodeName(path("tmp")), 0700) != 0)
            return false;
        m_process.setProcessEnvironment(
            environment(frozenTime, tempFolder.isEmpty() ? path("tmp") : tempFolder));
        m_process.setProcessChannelMode(QProcess::MergedChannels);
        m_process.setStandardOutputFile(path("output.log"));
        if (m_user)
            m_user->give(m_folder.path());
        QStringList command =
            m_user ? m_user->command(program, switches) : QStringList{program} + switches;
        m_process.start(command.takeFirst(), command);
        return m_process.waitForStarted();
    }
    // Asks the program to end, as XScreenSaver does. A run that has ended is left alone: its
    // process id is then 0, and a signal to 0 would end the whole process group, the test
    // runner with it.
    void terminate() const
    {
        if (m_process.state() == QProcess::Running && m_process.processId() > 0)
            ::kill(static_cast<pid_t>(m_process.processId()), SIGTERM);
    }
    int exitCode() const { return m_process.exitCode(); }
    // The process's id while it runs or, ended, has not been waited for; else 0.
    qint64 processId() const { return m_process.processId(); }
    // Whether the program ended by itself within `timeoutMs`.
    bool endsWithin(int timeoutMs)
    {
        const bool ended =
            m_process.state() == QProcess::NotRunning || m_process.waitForFinished(timeoutMs);
        return ended && m_process.exitStatus() == QProcess::NormalExit;
    }
    bool runsAfter(int waitMs)
    {
        return !m_process.waitForFinished(waitMs) && m_process.state() == QProcess::Running;
    }
    // Ends the program abruptly, as SIGKILL does, leaving whatever it held behind.
    void kill()
    {
        m_process.kill();
        m_process.waitForFinished();
    }

private:
    QProcessEnvironment environment(const QString& frozenTime, const QString& temp) const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DISPLAY", m_display);
        environment.insert("QT_QPA_PLATFORM", "xcb");
        environment.insert("TMPDIR", temp);
        environment.insert("XDG_RUNTIME_DIR", temp);
        if (!frozenTime.isEmpty()) {
            environment.insert("FAKETIME", frozenTime);
            // Qt's timers run on the monotonic clock; frozen too, they would never fire.
            environment.insert("FAKETIME_DONT_FAKE_MONOTONIC", "1");
            environment.insert("LD_PRELOAD", "/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1");
        }
        // A build with AddressSanitizer refuses to start behind the preloaded libfaketime
        // unless told that the order of the libraries is fine; and its allocator must not read
        // the clock, or libfaketime, setting itself up on that first call, allocates inside
        // the allocator and the program hangs.
        environment.insert("ASAN_OPTIONS",
                           "verify_asan_link_order=0:allocator_release_to_os_interval_ms=-1");
        for (const auto& [name, value] : m_environment)
            value ? environment.insert(name, *value) : environment.remove(name);
        return environment;
    }

    QString m_display;
    QTemporaryDir m_folder;
    QProcess m_process;
    QString m_program;
    std::map<QString, std::optional<QString>> m_environment;
    std::optional<OrdinaryUser> m_user;
};
