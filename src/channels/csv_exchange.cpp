#include "app/editor_entries.h"
#include "app/main_frame.h"
#include "channels/program_view.h"

void Editors::ExportCsv(QWidget*) {}
void CProgramView::OnImportCsv() {}
void CMainFrame::OnOpenBackup() {}
