#pragma once

#include "settings/form_page.h"

// "解码": how the radio reacts to received codes.
class CDtmfDecodePage : public CFormPage {
    Q_OBJECT
  public:
    CDtmfDecodePage(MemoryImage& image, QWidget* parent);
};
