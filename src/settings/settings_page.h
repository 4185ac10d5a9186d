#pragma once

#include <QWidget>

// A tab page of the DTMF dialog. Pages load and store when the dialog tells them (tab changes)
// and store when they are destroyed; Enter and Esc never leave a page.
class CSettingsPage : public QWidget {
    Q_OBJECT
  public:
    using QWidget::QWidget;
    virtual void InitLists() = 0;
    virtual void LoadFromImage() = 0;
    virtual void StoreToImage() = 0;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// Enter, Return and Esc.
bool IsEnterOrEsc(const QKeyEvent* event);
