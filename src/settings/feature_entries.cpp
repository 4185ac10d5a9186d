#include "app/editor_entries.h"

void Editors::OptionalFeatures(QWidget*) {}
void Editors::Dtmf(QWidget*) {}
