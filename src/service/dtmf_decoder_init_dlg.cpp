#include "service/dtmf_decoder_init_dlg.h"

#include "app/app_globals.h"
#include "app/focus_loss.h"
#include "link/transfer_range.h"
#include "service/service_link.h"
#include "service/spin_edit.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CDtmfDecoderInitDlg::CDtmfDecoderInitDlg(QWidget* parent)
    : QDialog(parent), m_read(new QPushButton(tr("读数据"), this)),
      m_write(new QPushButton(tr("写数据"), this)) {
    setWindowTitle(tr("DTMF 解码初始化"));
    auto* fields = new QGridLayout;
    for (int i = 0; i < kDecoderValueCount; ++i) {
        const DecoderValueSpec& entry = DecoderValues()[i];
        m_edits[i] = new CSpinEdit(this, 0, 0xFFFF, 16, {KeyFilter::HexDigits, 4});
        m_edits[i]->setObjectName(QString::number(entry.id));
        auto* label = new QLabel(tr(entry.label.data()), this);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setBuddy(m_edits[i]);
        fields->addWidget(label, i, 0);
        fields->addWidget(m_edits[i], i, 1);
    }
    for (QPushButton* button : {m_read, m_write})
        button->setAutoDefault(false);
    connect(m_read, &QPushButton::clicked, this, &CDtmfDecoderInitDlg::OnReadData);
    connect(m_write, &QPushButton::clicked, this, &CDtmfDecoderInitDlg::OnWriteData);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_read);
    buttons->addWidget(m_write);
    buttons->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(fields);
    layout->addSpacing(24);
    layout->addLayout(buttons);
    LoadFromImage();
}

void CDtmfDecoderInitDlg::LoadFromImage() {
    for (int i = 0; i < kDecoderValueCount; ++i) {
        m_edits[i]->SetNumber(LoadDecoderValue(g_image, i));
        m_edits[i]->Clamp();
    }
}

void CDtmfDecoderInitDlg::StoreToImage() {
    for (CSpinEdit* edit : m_edits)
        edit->Clamp();
    for (int i = 0; i < kDecoderValueCount; ++i)
        StoreDecoderValue(g_image, i, static_cast<uint16_t>(m_edits[i]->Number()));
}

void CDtmfDecoderInitDlg::OnReadData() {
    if (RunServiceTransfer(this, TransferMode::Read, kDtmfDecoderRegion, g_image))
        LoadFromImage();
}

void CDtmfDecoderInitDlg::OnWriteData() {
    StoreToImage();
    RunServiceTransfer(this, TransferMode::Write, kDtmfDecoderRegion, g_image);
}

void CDtmfDecoderInitDlg::done(int result) {
    CommitFocusedControl(this);
    StoreToImage();
    QDialog::done(result);
}

void CDtmfDecoderInitDlg::keyPressEvent(QKeyEvent* event) {
    // Enter closes the dialog as Esc does; there is no OK button to press.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return accept();
    QDialog::keyPressEvent(event);
}
