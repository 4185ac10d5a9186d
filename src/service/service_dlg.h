#pragma once

#include "link/transfer_range.h"

#include "app/storing_dialog.h"

class MemoryImage;
class QPushButton;

// A service dialog: controls over one region of the image and its own read and write of that
// region with the radio; Enter closes it like Esc, and every way of closing stores.
class CServiceDlg : public CStoringDialog {
    Q_OBJECT
  public:
    CServiceDlg(QWidget* parent, MemoryImage& image, TransferRange region);

    QPushButton* ReadButton() const { return m_read; }
    QPushButton* WriteButton() const { return m_write; }

    virtual void LoadFromImage() = 0;
    void OnReadData();
    void OnWriteData();

  protected:
    // Called after a completed read, before the controls are loaded again.
    virtual void AfterRead() {}
    // Called before the controls are stored for a write.
    virtual void BeforeWrite() {}

    MemoryImage& m_image;

  private:
    TransferRange m_region;
    QPushButton* m_read;
    QPushButton* m_write;
};
