#pragma once

#include <QRect>
#include <QSize>
#include <QTransform>

#include <algorithm>
#include <cmath>

// How a face laid out for one screen size stands in a window of another: scaled to fit and
// centred. The window it is given may be far smaller than any screen (a preview), so the face is
// laid out for a screen at least as big as the smallest the clock knows, 800 x 600 pixels, with the
// window's own proportions, and then drawn scaled down into it.
class FaceFit {
public:
    static constexpr QSize kSmallestLayout{800, 600};

    // The largest size the face is laid out for, or a window drawn in, given the largest
    // screen's size.
    static QSize largestFor(QSize largestScreen)
    {
        return largestScreen.expandedTo(kSmallestLayout);
    }

    // The screen to lay the face out for, given the window's size when the run starts.
    static QSize layoutFor(QSize window, QSize largestScreen)
    {
        if (window.isEmpty())
            return kSmallestLayout;
        const double grow = std::max({1.0, double(kSmallestLayout.width()) / window.width(),
                                      double(kSmallestLayout.height()) / window.height()});
        return QSize(int(std::ceil(window.width() * grow)), int(std::ceil(window.height() * grow)))
            .boundedTo(largestFor(largestScreen));
    }

    explicit FaceFit(QSize layout = {})
        : m_layout(layout)
    {
    }

    QSize layout() const { return m_layout; }
    // Fits the face into a window of `size`: as large as fits whole, centred.
    void fitInto(QSize size)
    {
        m_transform = QTransform();
        if (m_layout.isEmpty() || size.isEmpty())
            return;
        const double scale = std::min(double(size.width()) / m_layout.width(),
                                      double(size.height()) / m_layout.height());
        m_transform.translate((size.width() - m_layout.width() * scale) / 2,
                              (size.height() - m_layout.height() * scale) / 2);
        m_transform.scale(scale, scale);
    }
    // From the face's pixels to the window's.
    const QTransform& transform() const { return m_transform; }
    // The window's pixels that the face's `area` touches.
    QRect toWindow(const QRect& area) const
    {
        return m_transform.mapRect(QRectF(area)).toAlignedRect().adjusted(-1, -1, 1, 1);
    }
    // The face's pixels under the window's `area`.
    QRect toFace(const QRect& area) const
    {
        return m_transform.inverted().mapRect(QRectF(area)).toAlignedRect().adjusted(-1, -1, 1, 1);
    }
    // The window's pixels the face covers.
    QRect faceArea() const { return toWindow(QRect(QPoint(0, 0), m_layout)); }

private:
    QSize m_layout;
    QTransform m_transform;
};
