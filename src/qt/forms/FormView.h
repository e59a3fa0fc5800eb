#pragma once

#include "FormKeys.h"
#include "Window.h"

#include <QPoint>
#include <QWidget>

#include <optional>
#include <unordered_map>

class QEventLoop;
class ScreenUnits;

namespace tk {
class Control;
} // namespace tk

// Presents a dialog-like toolkit window (the settings dialog, the picture chooser) with native
// Qt widgets placed at the window's twip positions, and keeps the two in step in both
// directions.
class FormView : public QWidget, public tk::Window::Observer {
    Q_OBJECT

public:
    FormView(tk::Window& window, const ScreenUnits& units, QWidget* parent = nullptr);
    ~FormView() override;

    tk::Window& window() const { return m_window; }
    // Shows the window modally and returns once the toolkit window has hidden itself.
    void execModal();

    void controlChanged(tk::Control& control, const tk::Bounds& before) override;
    void windowChanged() override;
    void stackingChanged() override;
    void shown() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    QWidget* widgetFor(tk::Control& control);
    QWidget* containerWidget(const tk::Control& control);
    void syncControl(tk::Control& control);
    void applyWindow();
    void restack();
    // Presses the button that the key presses; false when the window has none that can be.
    bool press(FormKey key);

    tk::Window& m_window;
    const ScreenUnits& m_units;
    std::unordered_map<tk::Control*, QWidget*> m_widgets;
    QEventLoop* m_modalLoop = nullptr;
    std::optional<QPoint> m_appliedPosition;
    bool m_followingUserMove = false;
};
