#pragma once

class CProgramView;
class QString;
class QWidget;

// Entry points of the editor dialogs. Each is defined next to its dialog; the view and the
// main window call them and keep to themselves what happens around them (committing and
// reloading the grid).
namespace Editors {

// Runs the channel edit dialog on record 1..258; rxText is the grid's receive text of it.
void ChannelEdit(QWidget* parent, int record, const QString& rxText);
// Runs the batch generator; it reloads the view's grid after every apply.
void BatchGenerate(CProgramView& view);
void ModelInfo(QWidget* parent);
void FmReceiver(QWidget* parent);
void OptionalFeatures(QWidget* parent);
void Dtmf(QWidget* parent);
// Picks a .dat file and lists its differences from the open image by field name.
void CompareWithFile(QWidget* parent);

} // namespace Editors
