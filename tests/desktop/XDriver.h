#pragma once

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <optional>

// Looks at and acts on one X display with the tools of a desktop session: ImageMagick's
// import for screenshots, xdotool for the keyboard and the pointer, xwininfo for windows.
class XDriver {
public:
    explicit XDriver(QString display)
        : m_display(std::move(display))
    {
    }

    const QString& display() const { return m_display; }

    QImage screenshot() const
    {
        const QByteArray png = run("import", {"-window", "root", "png:-"});
        return QImage::fromData(png, "PNG").convertToFormat(QImage::Format_RGB32);
    }
    // Types a key by its X name ("a", "1").
    void key(const QString& name) const { run("xdotool", {"key", name}); }
    // One pointer movement; a move to where the pointer stands makes no event.
    void moveTo(QPoint at) const { run("xdotool", {"mousemove", number(at.x()), number(at.y())}); }
    void click(QPoint at) const
    {
        run("xdotool", {"mousemove", number(at.x()), number(at.y()), "click", "1"});
    }
    QPoint pointer() const
    {
        const QString text = run("xdotool", {"getmouselocation"});
        return {field(text, "x:"), field(text, "y:")};
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

private:
    static QString number(int value) { return QString::number(value); }
    static int field(const QString& text, const QString& name)
    {
        const QRegularExpression pattern(QRegularExpression::escape(name) + R"(\s*(-?\d+))");
        const QRegularExpressionMatch match = pattern.match(text);
        return match.hasMatch() ? match.captured(1).toInt() : -1;
    }
    QByteArray run(const QString& program, const QStringList& arguments) const
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DISPLAY", m_display);
        process.setProcessEnvironment(environment);
        process.setStandardErrorFile(QProcess::nullDevice());
        process.start(program, arguments);
        if (!process.waitForFinished())
            ADD_FAILURE() << program.toStdString() << " did not run; is it installed?";
        return process.readAllStandardOutput();
    }

    QString m_display;
};
