#pragma once

#include "ClockProcess.h"

#include <QImage>
#include <QProcess>

#include <gtest/gtest.h>

#include <memory>

// A desktop session of the test's own, X11 or Wayland, and what a test does in either: look at
// a screen, type a key, and start the program in it. The session goes with the object.
class SessionDriver {
public:
    virtual ~SessionDriver() = default;

    // The picture of a screen (X11) or an output (Wayland), counted from 0.
    virtual QImage screenshot(int screen = 0) const = 0;
    // Presses and releases a key by its X name ("a", "Escape", "Shift_L").
    virtual void key(const QString& name) const = 0;
    // A run of the program, not started yet, that shows itself in this session.
    virtual std::unique_ptr<ClockProcess> newRun() const = 0;

protected:
    // Runs a tool of the session and returns what it wrote.
    static QByteArray output(const QStringList& command, const QProcessEnvironment& environment)
    {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setStandardErrorFile(QProcess::nullDevice());
        process.start(command.first(), command.mid(1));
        if (!process.waitForFinished())
            ADD_FAILURE() << command.first().toStdString() << " did not run; is it installed?";
        return process.readAllStandardOutput();
    }
};
