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
namespace ControlWidgets {

// Null for the controls that have no look of their own in a dialog (timers, shapes).
QWidget* create(tk::Control& control, QWidget* parent);
// Copies place, visibility, enabled state, caption, value, colours and font.
void update(const tk::Control& control, QWidget* widget, const ScreenUnits& units);

} // namespace ControlWidgets
