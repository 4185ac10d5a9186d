#pragma once

#include "image/memory_image.h"
#include "image/region_layout.h"
#include "settings/settings_page.h"

#include <vector>

class CFieldForm;

// A page whose controls are exactly one field table; stores when destroyed.
class CFormPage : public CSettingsPage {
    Q_OBJECT
  public:
    CFormPage(MemoryImage& image, const std::vector<FieldSpec>& table, QWidget* parent);
    ~CFormPage() override;

    void InitLists() override;
    void LoadFromImage() override;
    void ApplyFallbacks();
    void StoreToImage() override;
    CFieldForm* Form() const { return m_form; }

  private:
    MemoryImage& m_image;
    CFieldForm* m_form;
};
