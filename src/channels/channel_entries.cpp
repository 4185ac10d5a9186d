#include "app/editor_entries.h"

void Editors::ChannelEdit(QWidget*, int, const QString&) {}
void Editors::BatchGenerate(CProgramView&) {}
