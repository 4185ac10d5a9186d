#pragma once

#include <QDialog>

class MemoryImage;
class QLineEdit;
struct BandLimits;

// "机型信息": the radio type text and the two bands' limits in whole MHz. The limits go to
// the working band limits and the image's band block when the dialog closes, however it
// closes; Enter and Esc do nothing.
class CModelInfoDlg : public QDialog {
    Q_OBJECT
  public:
    CModelInfoDlg(QWidget* parent, MemoryImage& image, BandLimits& limits,
                  const QString& radioType);
    ~CModelInfoDlg() override;

    void done(int result) override;

    QLineEdit* ModelEdit() const { return m_model; }
    QLineEdit* LimitEdit(int band, bool high) const { return m_limits[band][high ? 1 : 0]; }

  protected:
    bool eventFilter(QObject* object, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void InitLists();
    void LoadFromImage();
    void StoreToImage();
    // The rule of the limit edit that lost the focus; nothing when `edit` is none of them.
    void ApplyEditRule(const QObject* edit);
    void ApplyRule(int band, bool high);

    MemoryImage& m_image;
    BandLimits& m_bandLimits;
    QLineEdit* m_model;
    QLineEdit* m_limits[2][2]; // [band][0 = lower, 1 = upper]
    bool m_stored = false;
};
