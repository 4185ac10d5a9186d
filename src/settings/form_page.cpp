#include "settings/form_page.h"

#include "settings/field_form.h"

#include <QGridLayout>

CFormPage::CFormPage(MemoryImage& image, const std::vector<FieldSpec>& table, QWidget* parent)
    : CSettingsPage(parent), m_image(image) {
    auto* layout = new QGridLayout(this);
    m_form = new CFieldForm(table, this, layout, 2);
    layout->setRowStretch(layout->rowCount(), 1);
    InitLists();
    LoadFromImage();
}

CFormPage::~CFormPage() {
    StoreToImage();
}

void CFormPage::InitLists() {
    m_form->InitLists();
}

void CFormPage::LoadFromImage() {
    m_form->LoadFromImage(m_image);
}

void CFormPage::ApplyFallbacks() {
    m_form->ApplyFallbacks();
}

void CFormPage::StoreToImage() {
    m_form->StoreToImage(m_image);
}
