#include "settings/dtmf_dlg.h"

#include "settings/dtmf_auto_dial_page.h"
#include "settings/dtmf_decode_page.h"
#include "settings/dtmf_encode_page.h"

#include <QTabWidget>
#include <QVBoxLayout>

CDtmfDlg::CDtmfDlg(MemoryImage& image, QWidget* parent)
    : CStoringDialog(parent, Keys::EnterAndEscIgnored), m_tabs(new QTabWidget(this)) {
    setWindowTitle(tr("DTMF"));
    m_tabs->setObjectName("1122");
    m_encode = new CDtmfEncodePage(image, m_tabs);
    m_decode = new CDtmfDecodePage(image, m_tabs);
    m_autoDial = new CDtmfAutoDialPage(image, m_tabs);
    m_tabs->addTab(m_encode, tr("编码"));
    m_tabs->addTab(m_decode, tr("解码"));
    m_tabs->addTab(m_autoDial, tr("自动拨号"));
    m_tabs->setCurrentIndex(0);
    connect(m_tabs, &QTabWidget::currentChanged, this, &CDtmfDlg::TabChanged);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
}

CDtmfDlg::~CDtmfDlg() {
    // Each page stores as it goes, in this order, whichever one is showing.
    disconnect(m_tabs, nullptr, this, nullptr);
    delete m_encode;
    delete m_decode;
    delete m_autoDial;
}

CSettingsPage* CDtmfDlg::Page(int index) const {
    return qobject_cast<CSettingsPage*>(m_tabs->widget(index));
}

void CDtmfDlg::TabChanged(int index) {
    if (CSettingsPage* left = Page(m_current))
        left->StoreToImage();
    m_current = index;
    if (CSettingsPage* entered = Page(index))
        entered->LoadFromImage();
}

void CDtmfDlg::StoreToImage() {
    for (int i = 0; i < m_tabs->count(); ++i)
        Page(i)->StoreToImage();
}
