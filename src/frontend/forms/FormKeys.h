#pragma once

namespace tk {
class CommandButton;
class Window;
} // namespace tk

// The keys and the frame's close box, as a dialog-like window takes them.
enum class FormKey { Enter, Escape, Close };

namespace FormKeys {

// The button that the key presses: Enter the default button, Escape and closing from the
// window's frame the cancel button. Only a visible, enabled button is pressed; null when the
// window has none, and the key then goes on to the focused control.
tk::CommandButton* buttonFor(const tk::Window& window, FormKey key);

} // namespace FormKeys
