#pragma once

class QComboBox;
class QString;
class QWidget;

// The option lists both channel dialogs share, by their position in ChannelOptions().
QString OptionLabel(int option);
// A drop-down list named after the option, with the option's items.
QComboBox* MakeOptionList(int option, QWidget* parent);

// A drop-down of the tone list, named `name`. An editable one behaves as a plain edit beside
// its list: no completion while typing and Enter adds no item, so the commit rule sees exactly
// what was typed.
QComboBox* MakeToneList(QWidget* parent, const char* name, bool editable);
