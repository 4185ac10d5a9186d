#pragma once

class QString;
class QWidget;

// Shows `text` in the status bar of the main window `from` belongs to (or of the first main
// window when it belongs to none); nothing when there is no main window.
void ShowStatusMessage(QWidget* from, const QString& text);
