#pragma once

#include "SessionDriver.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>

// A Wayland session of the test's own: a headless sway, run as the ordinary user (sway refuses
// root) with a runtime folder of its own, and the tools to look at it and act on it: grim for
// screenshots, wtype for keys, swaymsg for outputs. The compositor goes with the object.
class SwayDriver : public SessionDriver {
public:
    // Sway with its first output at 1024 x 768.
    explicit SwayDriver(const OrdinaryUser& user)
        : m_user(user)
    {
        QFile config(m_folder.filePath("config"));
        if (!config.open(QIODevice::WriteOnly))
            return;
        config.write("xwayland disable\noutput HEADLESS-1 resolution 1024x768\n");
        config.close();
        QDir().mkpath(runtime());
        QFile::setPermissions(runtime(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        user.give(m_folder.path());
        QProcessEnvironment environment = session();
        environment.insert("WLR_BACKENDS", "headless");
        environment.insert("WLR_RENDERER", "pixman");
        environment.insert("WLR_LIBINPUT_NO_DEVICES", "1");
        m_sway.setProcessEnvironment(environment);
        m_sway.setStandardOutputFile(QProcess::nullDevice());
        m_sway.setStandardErrorFile(QProcess::nullDevice());
        const QStringList command = user.command("sway", {"-c", config.fileName()});
        m_sway.start(command.first(), command.mid(1));
        QElapsedTimer time;
        for (time.start(); !ready() && time.elapsed() < kStartMs; QThread::msleep(50)) {
        }
    }
    ~SwayDriver() override
    {
        m_sway.terminate();
        m_sway.waitForFinished(kStartMs);
    }

    // Whether the compositor answers.
    bool ready() const { return !socket().isEmpty() && !swaySocket().isEmpty(); }
    // The display's socket, which WAYLAND_DISPLAY may name by its whole path.
    QString socket() const { return entry("wayland-?"); }
    QString runtime() const { return m_folder.filePath("runtime"); }

    QImage screenshot(int output = 0) const override
    {
        return QImage::fromData(run("grim", {"-o", QString("HEADLESS-%1").arg(output + 1), "-"}),
                                "PNG");
    }
    // A key is held long enough to reach the window that has the focus.
    void key(const QString& name) const override
    {
        run("wtype", {"-s", "300", "-P", name, "-s", "150", "-p", name});
    }
    // The program, run as the user of the session, finds Wayland by itself.
    std::unique_ptr<ClockProcess> newRun() const override
    {
        auto run = std::make_unique<ClockProcess>(QString());
        run->runAs(m_user);
        run->setEnvironment("DISPLAY", std::nullopt);
        run->setEnvironment("QT_QPA_PLATFORM", std::nullopt);
        run->setEnvironment("WAYLAND_DISPLAY", socket());
        return run;
    }
    QByteArray swaymsg(const QStringList& arguments) const { return run("swaymsg", arguments); }

private:
    static constexpr int kStartMs = 10000;

    QString entry(const QString& pattern) const
    {
        const QStringList names = QDir(runtime()).entryList({pattern}, QDir::System);
        return names.isEmpty() ? QString() : runtime() + "/" + names.first();
    }
    QString swaySocket() const { return entry("sway-ipc.*.sock"); }
    QProcessEnvironment session() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", m_folder.path());
        environment.insert("XDG_RUNTIME_DIR", runtime());
        environment.remove("DISPLAY");
        return environment;
    }
    QByteArray run(const QString& program, const QStringList& arguments) const
    {
        QProcessEnvironment environment = session();
        environment.insert("WAYLAND_DISPLAY", socket());
        environment.insert("SWAYSOCK", swaySocket());
        return output(m_user.command(program, arguments), environment);
    }

    OrdinaryUser m_user;
    QTemporaryDir m_folder;
    QProcess m_sway;
};
