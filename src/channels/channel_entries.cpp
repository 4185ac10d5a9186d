#include "app/editor_entries.h"

#include "channels/batch_channel_dlg.h"
#include "channels/channel_edit_dlg.h"
#include "channels/program_view.h"

void Editors::ChannelEdit(QWidget* parent, int record, const QString& rxText) {
    CChannelEditDlg dialog(parent, record, rxText);
    dialog.exec();
}

void Editors::BatchGenerate(CProgramView& view) {
    CBatchChannelDlg dialog(view, view.window());
    dialog.exec();
}
