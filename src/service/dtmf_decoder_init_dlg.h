#pragma once

#include "image/decoder_values.h"
#include "service/service_dlg.h"

#include <array>

class CSpinEdit;

// The eleven DTMF decoder values, in hexadecimal, with their own read and write of the
// decoder region.
class CDtmfDecoderInitDlg : public CServiceDlg {
    Q_OBJECT
  public:
    CDtmfDecoderInitDlg(QWidget* parent, MemoryImage& image);

    CSpinEdit* Edit(int index) const { return m_edits[index]; }

    void LoadFromImage() override;
    void StoreToImage() override;

  private:
    std::array<CSpinEdit*, kDecoderValueCount> m_edits{};
};
