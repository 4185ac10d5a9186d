#pragma once

class QWidget;

// Runs the focus-loss rule of the window's focused control (an edit's correction, an open
// cell editor's commit, a pending input-method text) as leaving the control would. A dialog
// that stores when it closes calls it first, so typed text is never lost or stored raw.
void CommitFocusedControl(QWidget* window);
