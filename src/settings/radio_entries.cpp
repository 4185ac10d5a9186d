#include "app/editor_entries.h"

void Editors::ModelInfo(QWidget*) {}
void Editors::FmReceiver(QWidget*) {}
