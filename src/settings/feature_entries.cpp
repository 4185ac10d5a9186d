#include "app/app_globals.h"
#include "app/editor_entries.h"
#include "settings/dtmf_dlg.h"
#include "settings/optional_features_dlg.h"

void Editors::OptionalFeatures(QWidget* parent) {
    COptionalFeaturesDlg dialog(g_image, parent);
    dialog.exec();
}

void Editors::Dtmf(QWidget* parent) {
    CDtmfDlg dialog(g_image, parent);
    dialog.exec();
}
