#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <QSize>

#include <cstdint>

class QScreen;
class QWidget;
class QWindow;

// A window of another program that the clock draws in, such as the one XScreenSaver makes:
// the clock's widget becomes a native child of it. Qt knows nothing of such a window's size,
// so it is asked of the X server, and its changes are followed through the X events.
class ForeignWindow : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT

public:
    // `id` 0 stands for the root window of the default screen.
    explicit ForeignWindow(std::uint32_t id, QObject* parent = nullptr);
    ~ForeignWindow() override;

    // Whether the window exists; its size is known only then.
    bool isValid() const { return m_valid; }
    // Whether the window existed when the clock first asked for it, and was gone a moment later.
    bool wentAway() const { return m_wentAway; }
    // The window's size in Qt's device-independent pixels of its screen.
    QSize size() const;
    QScreen* screen() const;
    // Makes `widget` a native child of the foreign window, at its top left corner; false when
    // the window is gone.
    bool embed(QWidget& widget);

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

signals:
    void resized(QSize size);
    // The window has been destroyed; nothing is left to draw in.
    void gone();

private:
    bool queryGeometry();
    bool followChanges();
    bool holds(std::uint32_t window) const;

    std::uint32_t m_id = 0;
    bool m_valid = false;
    bool m_wentAway = false;
    bool m_isRoot = false;
    // In the X server's pixels.
    QSize m_size;
    QWindow* m_foreign = nullptr;
};
