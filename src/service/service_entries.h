#pragma once

class QWidget;

// Entry points of the service functions for the main window and the view.
namespace Service {

// Runs the password prompt; true after a matching entry.
bool AskServicePassword(QWidget* parent);
void ParameterAdjust(QWidget* parent);
void DtmfDecoderInit(QWidget* parent);

} // namespace Service
