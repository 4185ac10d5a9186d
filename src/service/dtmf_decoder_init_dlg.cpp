#include "service/dtmf_decoder_init_dlg.h"

#include "app/table_text.h"
#include "link/transfer_range.h"
#include "service/spin_edit.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CDtmfDecoderInitDlg::CDtmfDecoderInitDlg(QWidget* parent, MemoryImage& image)
    : CServiceDlg(parent, image, kDtmfDecoderRegion) {
    setWindowTitle(tr("DTMF 解码初始化"));
    auto* fields = new QGridLayout;
    for (int i = 0; i < kDecoderValueCount; ++i) {
        const DecoderValueSpec& entry = DecoderValues()[i];
        m_edits[i] = new CSpinEdit(this, 0, 0xFFFF, 16, {KeyFilter::HexDigits, 4});
        m_edits[i]->setObjectName(QString::number(entry.id));
        auto* label = new QLabel(TableText(entry.label), this);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setBuddy(m_edits[i]);
        fields->addWidget(label, i, 0);
        fields->addWidget(m_edits[i], i, 1);
    }
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ReadButton());
    buttons->addWidget(WriteButton());
    buttons->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(fields);
    layout->addSpacing(24);
    layout->addLayout(buttons);
    LoadFromImage();
}

void CDtmfDecoderInitDlg::LoadFromImage() {
    for (int i = 0; i < kDecoderValueCount; ++i) {
        m_edits[i]->SetNumber(LoadDecoderValue(m_image, i));
        m_edits[i]->Clamp();
    }
}

void CDtmfDecoderInitDlg::StoreToImage() {
    for (CSpinEdit* edit : m_edits)
        edit->Clamp();
    for (int i = 0; i < kDecoderValueCount; ++i)
        StoreDecoderValue(m_image, i, static_cast<uint16_t>(m_edits[i]->Number()));
}
