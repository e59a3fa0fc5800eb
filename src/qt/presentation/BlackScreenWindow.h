#pragma once

#include <QWidget>

class QScreen;

// Covers one monitor other than the clock's in black. Typed keys and mouse movement over it go
// to the clock window, so that it ends the run, or opens the dialog, by the clock's own rules.
class BlackScreenWindow : public QWidget {
    Q_OBJECT

public:
    BlackScreenWindow(QWidget& clock, QScreen& screen);

    // Takes the monitor's whole area, which may have changed since.
    void cover();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget& m_clock;
    QScreen& m_screen;
};
