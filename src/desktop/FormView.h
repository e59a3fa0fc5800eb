#pragma once

#include "Window.h"

#include <QWidget>

// Presents a dialog-like toolkit window (the settings dialog, the picture chooser) with native
// Qt widgets placed at the window's twip positions (15 twips a pixel), and keeps the two in
// step in both directions.
class FormView : public QWidget, public tk::Window::Observer {
    Q_OBJECT

public:
    explicit FormView(tk::Window& window, QWidget* parent = nullptr);
    ~FormView() override;

    tk::Window& window() const { return m_window; }
    // Shows the window modally and returns once the toolkit window has hidden itself.
    void execModal();

    void controlChanged(tk::Control& control, const tk::Bounds& before) override;
    void windowChanged() override;
    void stackingChanged() override;
    void shown() override;

private:
    tk::Window& m_window;
};
