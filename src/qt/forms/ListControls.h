#pragma once

class QWidget;

namespace tk {
class Control;
}

// The native widgets of the drive, folder and file lists, and the copying of their entries
// and current entry into them. The user's choices reach the toolkit after the widget's own
// event is over, since they fill the lists anew.
namespace ListControls {

bool isList(const tk::Control& control);
QWidget* create(tk::Control& control, QWidget* parent);
void update(const tk::Control& control, QWidget* widget);

} // namespace ListControls
