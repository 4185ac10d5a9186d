#pragma once

#include "image/memory_image.h"

#include "app/storing_dialog.h"

class CDtmfAutoDialPage;
class CDtmfDecodePage;
class CDtmfEncodePage;
class CSettingsPage;
class QTabWidget;

// "DTMF": the encode, decode and auto-dial pages in tabs. Leaving a tab stores its page,
// entering one loads it; closing stores all three. Enter and Esc never close it.
class CDtmfDlg : public CStoringDialog {
    Q_OBJECT
  public:
    CDtmfDlg(MemoryImage& image, QWidget* parent);
    ~CDtmfDlg() override;

    // Stores all three pages.
    void StoreToImage() override;

    QTabWidget* Tabs() const { return m_tabs; }
    CDtmfEncodePage* EncodePage() const { return m_encode; }
    CDtmfDecodePage* DecodePage() const { return m_decode; }
    CDtmfAutoDialPage* AutoDialPage() const { return m_autoDial; }

  private:
    CSettingsPage* Page(int index) const;
    void TabChanged(int index);

    QTabWidget* m_tabs;
    CDtmfEncodePage* m_encode;
    CDtmfDecodePage* m_decode;
    CDtmfAutoDialPage* m_autoDial;
    int m_current = 0;
};
