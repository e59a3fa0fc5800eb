// The yardstick for the clock's costs: the smallest Qt clock there is, a frameless window over
// the whole screen that repaints itself whole once a second with the time in the middle.
//
//   tikora-minimal-window          runs until it is killed
//   tikora-minimal-window --quit   makes the window and ends, as the clock's "/p" does, to time
//                                  a start-up
//   tikora-minimal-window --tick   repaints only a square of 10 pixels, just after each
//                                  wall-clock second: the least a Qt window can do to show a
//                                  change each second, beside bench/floor.c's Xlib

#include <QApplication>
#include <QDateTime>
#include <QPainter>
#include <QScreen>
#include <QTime>
#include <QTimer>
#include <QWidget>

#include <cstring>

namespace {

constexpr int kRepaintPeriodMs = 1000;
constexpr int kTextPixels = 40;
constexpr QRect kTickSquare(10, 10, 10, 10);
// How long after the wall-clock second the square is repainted, as the clock ticks.
constexpr int kTickAfterMs = 5;

class MinimalWindow : public QWidget {
public:
    explicit MinimalWindow(bool tick)
        : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
        , m_tick(tick)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        if (m_tick) {
            m_timer.setSingleShot(true);
            m_timer.setTimerType(Qt::PreciseTimer);
            connect(&m_timer, &QTimer::timeout, this, [this] {
                update(kTickSquare);
                startTick();
            });
            startTick();
            return;
        }
        connect(&m_timer, &QTimer::timeout, this, [this] { update(); });
        m_timer.start(kRepaintPeriodMs);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        if (m_tick) {
            painter.fillRect(kTickSquare, m_shown++ % 2 ? Qt::white : Qt::black);
            return;
        }
        painter.fillRect(rect(), Qt::black);
        QFont font = painter.font();
        font.setPixelSize(kTextPixels);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(rect(), Qt::AlignCenter, QTime::currentTime().toString());
    }

private:
    void startTick()
    {
        const qint64 ms = QDateTime::currentMSecsSinceEpoch() % kRepaintPeriodMs;
        m_timer.start(static_cast<int>(kRepaintPeriodMs - ms + kTickAfterMs));
    }

    QTimer m_timer;
    bool m_tick;
    int m_shown = 0;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    MinimalWindow window(argc > 1 && std::strcmp(argv[1], "--tick") == 0);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window.setGeometry(screen->geometry());
    if (argc > 1 && std::strcmp(argv[1], "--quit") == 0)
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    else
        window.showFullScreen();
    return app.exec();
}
