#include "settings/optional_features_dlg.h"

#include "app/focus_loss.h"
#include "image/optional_features_table.h"
#include "settings/field_form.h"

#include <QGridLayout>
#include <QKeyEvent>

COptionalFeaturesDlg::COptionalFeaturesDlg(MemoryImage& image, QWidget* parent)
    : QDialog(parent), m_image(image) {
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

void COptionalFeaturesDlg::done(int result) {
    CommitFocusedControl(this);
    StoreToImage();
    QDialog::done(result);
}

void COptionalFeaturesDlg::keyPressEvent(QKeyEvent* event) {
    // Without buttons Enter would do nothing; here it closes like Esc.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return accept();
    QDialog::keyPressEvent(event);
}
