#include "settings/optional_features_dlg.h"

#include "image/optional_features_table.h"
#include "settings/field_form.h"

#include <QGridLayout>

COptionalFeaturesDlg::COptionalFeaturesDlg(MemoryImage& image, QWidget* parent)
    : CStoringDialog(parent, Keys::EnterCloses), m_image(image) {
    setWindowTitle(tr("可选功能"));
    auto* layout = new QGridLayout(this);
    m_form = new CFieldForm(OptionalFeatureFields(), this, layout, 3);
    InitLists();
    LoadFromImage();
}

// Destroyed without being closed (its parent went first): still write back.
COptionalFeaturesDlg::~COptionalFeaturesDlg() {
    StoreToImage();
}

void COptionalFeaturesDlg::InitLists() {
    m_form->InitLists();
}

void COptionalFeaturesDlg::LoadFromImage() {
    m_form->LoadFromImage(m_image);
}

void COptionalFeaturesDlg::ApplyFallbacks() {
    m_form->ApplyFallbacks();
}

void COptionalFeaturesDlg::StoreToImage() {
    m_form->StoreToImage(m_image);
}
