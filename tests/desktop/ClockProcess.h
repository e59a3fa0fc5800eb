#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

// One run of the real program: a copy of the executable in a folder of its own (where it
// keeps its settings file and finds its background picture), started on the given display
// with a private temporary folder, so that its single-instance lock meets no other run's.
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
    // What the program wrote to its standard output and error.
    std::string output() const { return readFile("output.log").toStdString(); }
    qint64 processId() const { return m_process.processId(); }
    // A program and its arguments that start the clock in their stead, such as
    // {"prlimit", "--fsize=100", "--"}.
    void setLauncher(QStringList launcher) { m_launcher = std::move(launcher); }

    // A non-empty `frozenTime` ("2026-12-06 10:20:30") stops the program's clock there; with
    // a leading "@" the clock starts there and runs on. A run given another run's temporary
    // folder shares its single-instance lock.
    bool start(const QStringList& switches, const QString& frozenTime = {},
               const QString& tempFolder = {})
    {
        const QString program = path("tikora-clock");
        // A later start in the same folder runs the same copy.
        if (!(QFile::exists(program) || QFile::copy(TIKORA_CLOCK_PROGRAM, program)) ||
            !QDir().mkpath(path("tmp")))
            return false;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DISPLAY", m_display);
        environment.insert("QT_QPA_PLATFORM", "xcb");
        environment.insert("TMPDIR", tempFolder.isEmpty() ? path("tmp") : tempFolder);
        if (!frozenTime.isEmpty()) {
            environment.insert("FAKETIME", frozenTime);
            // Qt's timers run on the monotonic clock; frozen too, they would never fire.
            environment.insert("FAKETIME_DONT_FAKE_MONOTONIC", "1");
            environment.insert("LD_PRELOAD", kFakeTimeLibrary);
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
        if (m_launcher.isEmpty())
            m_process.start(program, switches);
        else
            m_process.start(m_launcher.front(),
                            m_launcher.mid(1) + QStringList{program} + switches);
        return m_process.waitForStarted();
    }
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
};
