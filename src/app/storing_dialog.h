#pragma once

#include <QDialog>

// A dialog without OK or Cancel that stores its controls into the image however it closes
// (Enter, Esc, the close box): the focused control's own rule runs first, so typed text is
// never lost. Enter either closes the dialog like Esc or, with Esc, is ignored.
class CStoringDialog : public QDialog {
    Q_OBJECT
  public:
    enum class Keys { EnterCloses, EnterAndEscIgnored };
    CStoringDialog(QWidget* parent, Keys keys) : QDialog(parent), m_keys(keys) {}

    virtual void StoreToImage() = 0;
    void done(int result) override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    Keys m_keys;
};
