#pragma once

#include "SessionDriver.h"

#include <QRect>
#include <QRegularExpression>

#include <optional>

// An X display of the test's own, on Xvfb, and the tools of a desktop session to look at and
// act on it: ImageMagick's import for screenshots, xdotool for the keyboard and the pointer,
// xwininfo for windows. The server goes with the object.
class XDriver : public SessionDriver {
public:
    // One X screen for each size given ("1024x768x24"); white roots show what no window covers.
    explicit XDriver(const QStringList& screens = {"1024x768x24"}, bool whiteRoots = false)
    {
        // With -displayfd the server picks a free display itself and writes its number once it
        // accepts connections.
        QStringList arguments = {"-displayfd", "1", "-nolisten", "tcp", "-noreset"};
        for (int i = 0; i < screens.size(); ++i)
            arguments << "-screen" << QString::number(i) << screens[i];
        if (whiteRoots)
            arguments << "-wr";
        m_server.setStandardErrorFile(QProcess::nullDevice());
        m_server.start("Xvfb", arguments);
        QByteArray output;
        while (!output.contains('\n') && m_server.waitForReadyRead(kServerTimeoutMs))
            output += m_server.readAllStandardOutput();
        m_display = output.trimmed().isEmpty() ? QString() : ":" + output.trimmed();
    }
    ~XDriver() override
    {
        // A polite end lets the server remove its lock file and socket.
        m_server.terminate();
        m_server.waitForFinished(kServerTimeoutMs);
    }

    // The display, such as ":1", or an empty text when no server could be started.
    const QString& display() const { return m_display; }

    QImage screenshot(int screen = 0) const override
    {
        const QString display = QString("%1.%2").arg(m_display).arg(screen);
        const QByteArray png = run("import", {"-display", display, "-window", "root", "png:-"});
        return QImage::fromData(png, "PNG").convertToFormat(QImage::Format_RGB32);
    }
    void key(const QString& name) const override { run("xdotool", {"key", name}); }
    std::unique_ptr<ClockProcess> newRun() const override
    {
        return std::make_unique<ClockProcess>(m_display);
    }
    // One pointer movement; a move to where the pointer stands makes no event.
    void moveTo(QPoint at) const { run("xdotool", {"mousemove", number(at.x()), number(at.y())}); }
    void click(QPoint at) const
    {
        run("xdotool", {"mousemove", number(at.x()), number(at.y()), "click", "1"});
    }
    // The place of the mapped top-level window titled `title`, if there is one.
    std::optional<QRect> shownWindow(const QString& title) const
    {
        const QString text = run("xwininfo", {"-name", title});
        if (!text.contains("Map State: IsViewable"))
            return std::nullopt;
        return QRect(field(text, "Absolute upper-left X:"), field(text, "Absolute upper-left Y:"),
                     field(text, "Width:"), field(text, "Height:"));
    }
    // Runs a program, such as an X client, on the display and returns what it wrote.
    QByteArray run(const QString& program, const QStringList& arguments) const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DISPLAY", m_display);
        return output(QStringList{program} + arguments, environment);
    }

private:
    static QString number(int value) { return QString::number(value); }
    static int field(const QString& text, const QString& name)
    {
        const QRegularExpression pattern(QRegularExpression::escape(name) + R"(\s*(-?\d+))");
        return pattern.match(text).captured(1).toInt();
    }
    static constexpr int kServerTimeoutMs = 10000;
    QProcess m_server;
    QString m_display;
};
