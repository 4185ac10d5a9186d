#pragma once

class QComboBox;
class QString;
class QWidget;

// The option lists both channel dialogs share, by their position in ChannelOptions().
QString OptionLabel(int option);
const char* OptionObjectName(int option);
// A drop-down list named after the option, with the option's items.
QComboBox* MakeOptionList(int option, QWidget* parent);
