#include "ScreenCovers.h"

#include "BlackScreenWindow.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

ScreenCovers::ScreenCovers(QWidget& clock)
    : m_clock(clock)
{
    connect(qGuiApp, &QGuiApplication::screenAdded, this, &ScreenCovers::update);
    connect(qGuiApp, &QGuiApplication::screenRemoved, this, [this](QScreen* screen) {
        m_covers.erase(screen);
        update();
    });
    connect(qGuiApp, &QGuiApplication::primaryScreenChanged, this, &ScreenCovers::update);
}

ScreenCovers::~ScreenCovers() = default;

void ScreenCovers::show()
{
    m_shown = true;
    update();
}

void ScreenCovers::setCursor(const QCursor& cursor)
{
    for (const auto& [screen, cover] : m_covers)
        cover->setCursor(cursor);
}

bool ScreenCovers::isCover(const QWidget* window) const
{
    return std::any_of(m_covers.begin(), m_covers.end(),
                       [window](const auto& entry) { return entry.second.get() == window; });
}

void ScreenCovers::update()
{
    if (!m_shown)
        return;
    QScreen* primary = QGuiApplication::primaryScreen();
    m_covers.erase(primary);
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen == primary || m_covers.count(screen) != 0)
            continue;
        auto cover = std::make_unique<BlackScreenWindow>(m_clock, *screen);
        connect(screen, &QScreen::geometryChanged, cover.get(), &BlackScreenWindow::cover);
        // A window manager, or a Wayland compositor, where no window may place itself, makes
        // it cover its monitor.
        cover->showFullScreen();
        m_covers.emplace(screen, std::move(cover));
    }
}
