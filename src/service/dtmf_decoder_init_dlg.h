#pragma once

#include "image/decoder_values.h"

#include <QDialog>

#include <array>

class CSpinEdit;
class QPushButton;

// The eleven DTMF decoder values, in hexadecimal, with their own read and write of the
// decoder region. Closing the dialog in any way stores them.
class CDtmfDecoderInitDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CDtmfDecoderInitDlg(QWidget* parent);

    CSpinEdit* Edit(int index) const { return m_edits[index]; }
    QPushButton* ReadButton() const { return m_read; }
    QPushButton* WriteButton() const { return m_write; }

    void LoadFromImage();
    void StoreToImage();
    void OnReadData();
    void OnWriteData();
    void done(int result) override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    std::array<CSpinEdit*, kDecoderValueCount> m_edits{};
    QPushButton* m_read;
    QPushButton* m_write;
};
