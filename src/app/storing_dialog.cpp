#include "app/storing_dialog.h"

#include "app/focus_loss.h"

#include <QKeyEvent>

void CStoringDialog::done(int result) {
    CommitFocusedControl(this);
    StoreToImage();
    QDialog::done(result);
}

void CStoringDialog::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (m_keys == Keys::EnterCloses && enter)
        return accept();
    if (m_keys == Keys::EnterAndEscIgnored && (enter || event->key() == Qt::Key_Escape))
        return event->accept();
    QDialog::keyPressEvent(event);
}
