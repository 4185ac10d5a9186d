#include "app/child_frame.h"

#include "app/program_doc.h"
#include "channels/program_view.h"

#include <QCloseEvent>

CChildFrame::CChildFrame(std::unique_ptr<CProgramDoc> doc)
    : m_doc(std::move(doc)), m_view(new CProgramView) {
    m_doc->SetFrame(this);
    setWidget(m_view);
    setWindowTitle(m_doc->Title());
    setGeometry(0, 0, 1095, 650);
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
