#include "settings/dtmf_decode_page.h"

#include "image/dtmf_table.h"

CDtmfDecodePage::CDtmfDecodePage(MemoryImage& image, QWidget* parent)
    : CFormPage(image, DtmfDecodeFields(), parent) {}
