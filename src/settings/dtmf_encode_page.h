#pragma once

#include "settings/form_page.h"

// "编码": what the radio sends. Also loads whenever it is shown and stores whenever hidden.
class CDtmfEncodePage : public CFormPage {
    Q_OBJECT
  public:
    CDtmfEncodePage(MemoryImage& image, QWidget* parent);

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
};
