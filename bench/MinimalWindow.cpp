// The yardstick for the clock's costs: the smallest Qt clock there is, a frameless window over
// the whole screen that repaints itself whole once a second with the time in the middle.
//
//   tikora-minimal-window          runs until it is killed
//   tikora-minimal-window --quit   makes the window and ends, as the clock's "/p" does, to time
//                                  a start-up

#include <QApplication>
#include <QPainter>
#include <QScreen>
#include <QTime>
#include <QTimer>
#include <QWidget>

#include <cstring>

namespace {

constexpr int kRepaintPeriodMs = 1000;
constexpr int kTextPixels = 40;

class MinimalWindow : public QWidget {
public:
    MinimalWindow()
        : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        connect(&m_timer, &QTimer::timeout, this, [this] { update(); });
        m_timer.start(kRepaintPeriodMs);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::black);
        QFont font = painter.font();
        font.setPixelSize(kTextPixels);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(rect(), Qt::AlignCenter, QTime::currentTime().toString());
    }

private:
    QTimer m_timer;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    MinimalWindow window;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window.setGeometry(screen->geometry());
    if (argc > 1 && std::strcmp(argv[1], "--quit") == 0)
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    else
        window.showFullScreen();
    return app.exec();
}
