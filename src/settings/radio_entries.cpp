#include "app/app_globals.h"
#include "app/editor_entries.h"
#include "settings/fm_receiver_dlg.h"
#include "settings/model_info_dlg.h"

void Editors::ModelInfo(QWidget* parent) {
    CModelInfoDlg dialog(parent, g_image, g_bandLimits, g_radioType);
    dialog.exec();
}

void Editors::FmReceiver(QWidget* parent) {
    CFmReceiverDlg dialog(parent, g_image);
    dialog.exec();
}
