#include "service/service_entries.h"

#include "app/app_globals.h"
#include "service/dtmf_decoder_init_dlg.h"
#include "service/parameter_adjust_dlg.h"
#include "service/service_password_dlg.h"

bool Service::AskServicePassword(QWidget* parent) {
    CServicePasswordDlg dialog(parent);
    return dialog.exec() == QDialog::Accepted;
}

void Service::ParameterAdjust(QWidget* parent) {
    CParameterAdjustDlg dialog(parent, g_image, g_bandLimits);
    dialog.exec();
}

void Service::DtmfDecoderInit(QWidget* parent) {
    CDtmfDecoderInitDlg dialog(parent, g_image);
    dialog.exec();
}
