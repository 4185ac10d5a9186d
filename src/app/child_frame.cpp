#include "app/child_frame.h"

#include "app/program_doc.h"
#include "channels/program_view.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>

CChildFrame::CChildFrame(std::unique_ptr<CProgramDoc> doc)
    : m_doc(std::move(doc)), m_view(new CProgramView) {
    m_doc->SetFrame(this);
    setWidget(m_view);
    setWindowTitle(m_doc->Title());
    setGeometry(0, 0, 1095, 650);
    // The system menu's Close also claims Ctrl+W, the write command's key; two owners of a
    // key make it do nothing. Ctrl+F4 still closes.
    for (QAction* action : systemMenu()->actions()) {
        QList<QKeySequence> keys = action->shortcuts();
        if (keys.removeAll(QKeySequence("Ctrl+W")) > 0)
            action->setShortcuts(keys);
    }
}

CChildFrame::~CChildFrame() = default;

void CChildFrame::Destroy() {
    // The grid commits now: the image may be refilled before the window is deleted.
    m_view->CommitGrid();
    m_destroying = true;
    setAttribute(Qt::WA_DeleteOnClose);
    close();
}

void CChildFrame::closeEvent(QCloseEvent* event) {
    if (m_destroying)
        return QMdiSubWindow::closeEvent(event);
    event->ignore();
    hide();
}
