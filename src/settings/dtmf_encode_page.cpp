#include "settings/dtmf_encode_page.h"

#include "image/dtmf_table.h"

CDtmfEncodePage::CDtmfEncodePage(MemoryImage& image, QWidget* parent)
    : CFormPage(image, DtmfEncodeFields(), parent) {}

void CDtmfEncodePage::showEvent(QShowEvent* event) {
    LoadFromImage();
    CFormPage::showEvent(event);
}

void CDtmfEncodePage::hideEvent(QHideEvent* event) {
    StoreToImage();
    CFormPage::hideEvent(event);
}
