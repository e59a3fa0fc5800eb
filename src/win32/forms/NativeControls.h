#pragma once

#include <windows.h>

namespace tk {
class Control;
} // namespace tk

// The native control of each kind of dialog control, and the copying of a control's caption,
// value and entries into it. The user's actions on a control reach the toolkit through
// notify(); what is copied from the toolkit raises nothing there, as the form ignores the
// notices that its own copying causes.
namespace NativeControls {

// A child of `form` with the command identifier `id`, hidden until it is placed; null for the
// controls that have no window of their own (timers, shapes, lines, drawn by the form).
HWND create(const tk::Control& control, HWND form, int id);
// Copies the caption (or a text field's text), the value, the default flag and the entries.
void updateContent(const tk::Control& control, HWND handle);
// Whether a notice of a list is carried out only once the notice is over: the toolkit may
// fill the list anew in answer, which the list must not see while it is still reporting.
bool isDeferred(const tk::Control& control, WORD code);
// Carries out a control's notice: a click, an edit, a choice in a list.
void notify(tk::Control& control, HWND handle, WORD code);

} // namespace NativeControls
