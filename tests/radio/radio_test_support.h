#pragma once

#include <functional>

class QDialog;
class QWidget;

// Runs `act` on the modal dialog that `open` starts, as soon as its loop runs, then closes
// the dialog with its close box. Returns false when no modal dialog appeared.
bool WithModalDialog(const std::function<void()>& open, const std::function<void(QDialog*)>& act);

// Shows the top-level widget and waits until it is the active window, so focus changes
// deliver focus events.
bool ShowActive(QWidget* window);

// Moves the focus from `from` to `to` and checks that `from` lost it.
bool MoveFocus(QWidget* from, QWidget* to);
