#pragma once

#include "image/memory_image.h"

#include "app/storing_dialog.h"

class CFieldForm;

// "可选功能": the general settings of 0x2040..0x2071. No OK or Cancel: Enter, Esc and the close
// box all close it, and every way of closing stores into the image.
class COptionalFeaturesDlg : public CStoringDialog {
    Q_OBJECT
  public:
    COptionalFeaturesDlg(MemoryImage& image, QWidget* parent);
    ~COptionalFeaturesDlg() override;

    void InitLists();
    void LoadFromImage();
    void ApplyFallbacks();
    void StoreToImage() override;

    CFieldForm* Form() const { return m_form; }

  private:
    MemoryImage& m_image;
    CFieldForm* m_form;
};
