#include "app/editor_entries.h"

void Editors::CompareWithFile(QWidget*) {}
