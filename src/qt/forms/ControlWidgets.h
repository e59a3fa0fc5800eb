#pragma once

#include "Colour.h"

#include <QColor>
#include <QRect>
#include <QSize>
#include <QString>

class QLabel;
class ScreenUnits;
class QWidget;

namespace tk {
class Control;
class Label;
} // namespace tk

// The native widget of each kind of dialog control, and the copying of a control's state into
// it. User actions on a widget reach its control; state copied from a control raises none.
class ControlWidgets {
public:
    // Null for the controls that have no look of their own in a dialog (timers, shapes).
    static QWidget* create(tk::Control& control, QWidget* parent);
    // Copies place, visibility, enabled state, caption, value, colours and font.
    static void update(const tk::Control& control, QWidget* widget, const ScreenUnits& units);

private:
    struct CaptionRoom {
        QSize area;
        bool wrap = false;
    };

    static QWidget* createButton(tk::Control& control, QWidget* parent);
    static void updateLook(const tk::Control& control, QWidget* widget);
    static void updateCaptionFont(const tk::Control& control, QWidget* widget,
                                  const ScreenUnits& units);
    static CaptionRoom showCaption(const tk::Control& control, QWidget* widget,
                                   const QString& caption);
    static void alignLabel(const tk::Label& control, QLabel* label);
    static void updateValue(const tk::Control& control, QWidget* widget);
    static void updateLists(const tk::Control& control, QWidget* widget);
};
