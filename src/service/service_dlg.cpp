#include "service/service_dlg.h"

#include "service/service_link.h"

#include <QPushButton>

CServiceDlg::CServiceDlg(QWidget* parent, MemoryImage& image, TransferRange region)
    : CStoringDialog(parent, Keys::EnterCloses), m_image(image), m_region(region),
      m_read(new QPushButton(tr("读数据"), this)), m_write(new QPushButton(tr("写数据"), this)) {
    // Enter closes the dialog; it never presses a button.
    for (QPushButton* button : {m_read, m_write})
        button->setAutoDefault(false);
    connect(m_read, &QPushButton::clicked, this, &CServiceDlg::OnReadData);
    connect(m_write, &QPushButton::clicked, this, &CServiceDlg::OnWriteData);
}

void CServiceDlg::OnReadData() {
    if (!RunServiceTransfer(this, TransferMode::Read, m_region, m_image))
        return;
    AfterRead();
    LoadFromImage();
}

void CServiceDlg::OnWriteData() {
    BeforeWrite();
    StoreToImage();
    RunServiceTransfer(this, TransferMode::Write, m_region, m_image);
}
