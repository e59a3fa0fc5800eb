#pragma once

#include <QString>

#include <string>

class QScreen;

// The scale the clock is drawn at, held in the range that ScaleClamp gives. Qt takes it from the
// desktop (Xft.dpi on X11, an output's scale on Wayland, QT_SCALE_FACTOR) whatever its value,
// and only as it starts; so this reads what Qt will take and what it took, and sets
// QT_SCALE_FACTOR for a new start when the scale is out of range.
class ScaleRange {
public:
    // Enough starts for a first one that finds the scale out of range and another that draws
    // within it, with one to spare for rounding.
    static constexpr int kMostStarts = 3;

    // Before Qt starts: removes a QT_SCALE_FACTOR that Qt would take although it is no scale
    // (zero, below zero, not finite), and raises fewer than 96 dots per inch to 96, which Qt
    // reads only as the process first starts it.
    void prepare();
    // Once Qt has started: whether its device pixel ratio on `screen` is out of range. If so,
    // QT_SCALE_FACTOR is set for a new start of Qt that draws at the nearest scale within it.
    bool needsNewStart(const QScreen* screen);
    // The line to say when the desktop's scale was out of range, otherwise an empty text.
    std::string message(const QScreen* screen) const;

private:
    // The desktop's scale as its user would know it, once it was found out of range.
    QString m_desktopScale;
    int m_starts = 1;
};
