#pragma once

#include "OrdinaryUser.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <csignal>
#include <map>
#include <optional>

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

    QString folder() const { return m_folder.path(); }
    QString path(const QString& name) const { return m_folder.filePath(name); }
    QByteArray readFile(const QString& name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    qint64 pid() const { return m_process.processId(); }
    // What the program wrote to its standard output and error.
    std::string output() const { return readFile("output.log").toStdString(); }
    // A program and its arguments that start the clock in their stead, such as
    // {"prlimit", "--fsize=100", "--"}.
    void setLauncher(QStringList launcher) { m_launcher = std::move(launcher); }

    // Sets (or, with no value, removes) a variable of the program's environment.
    void setEnvironment(const QString& name, std::optional<QString> value)
    {
        m_environment[name] = std::move(value);
    }
    // Runs an installed program instead of a copy of the built one.
    void setProgram(const QString& program) { m_program = program; }
    // Runs the program as `user`, who gets the run's folder.
    void runAs(const OrdinaryUser& user) { m_user = user; }

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
        if (!QDir().mkpath(path("tmp")) ||
            !QFile::setPermissions(path("tmp"),
                                   QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
            return false;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DISPLAY", m_display);
        environment.insert("QT_QPA_PLATFORM", "xcb");
        const QString temp = tempFolder.isEmpty() ? path("tmp") : tempFolder;
        environment.insert("TMPDIR", temp);
        environment.insert("XDG_RUNTIME_DIR", temp);
        if (!frozenTime.isEmpty()) {
            environment.insert("FAKETIME", frozenTime);
            // Qt's timers run on the monotonic clock; frozen too, they would never fire.
            environment.insert("FAKETIME_DONT_FAKE_MONOTONIC", "1");
            environment.insert("LD_PRELOAD", kFakeTimeLibrary);
        }
        for (const auto& [name, value] : m_environment) {
            if (value)
                environment.insert(name, *value);
            else
                environment.remove(name);
        }
        // A build with AddressSanitizer refuses to start behind the preloaded libfaketime
        // unless told that the order of the libraries is fine; and its allocator must not read
        // the clock, or libfaketime, setting itself up on that first call, allocates inside
        // the allocator and the program hangs.
        environment.insert("ASAN_OPTIONS",
                           "verify_asan_link_order=0:allocator_release_to_os_interval_ms=-1");
        m_process.setProcessEnvironment(environment);
        m_process.setProcessChannelMode(QProcess::MergedChannels);
        m_process.setStandardOutputFile(path("output.log"));
        QStringList command = QStringList{program} + switches;
        if (m_user) {
            m_user->give(m_folder.path());
            command = m_user->command(program, switches);
        }
        command = m_launcher + command;
        m_process.start(command.takeFirst(), command);
        return m_process.waitForStarted();
    }
    // Asks the program to end, as XScreenSaver does.
    void terminate() const { ::kill(static_cast<pid_t>(m_process.processId()), SIGTERM); }
    int exitCode() const { return m_process.exitCode(); }
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
    static constexpr const char* kFakeTimeLibrary =
        "/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1";
    QString m_display;
    QStringList m_launcher;
    QTemporaryDir m_folder;
    QProcess m_process;
    QString m_program;
    std::map<QString, std::optional<QString>> m_environment;
    std::optional<OrdinaryUser> m_user;
};
