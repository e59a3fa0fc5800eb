#pragma once

#include <QLabel>

// A label that reports a click: a left button pressed and released over it. One that acts when
// clicked may also take the keyboard focus: it then joins the tab order, shows its focus, and
// Space clicks it, as it does a button.
class ClickableLabel : public QLabel {
    Q_OBJECT

public:
    explicit ClickableLabel(QWidget* parent = nullptr);

    void takeKeyboardFocus();

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_pressed = false;
    bool m_spacePressed = false;
};
