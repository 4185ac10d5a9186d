#include "app/app_globals.h"
#include "app/child_frame.h"
#include "app/command_ids.h"
#include "app/image_step.h"
#include "app/main_frame.h"
#include "app/message_box.h"
#include "app/program_doc.h"
#include "channels/program_view.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>

void CMainFrame::OnUndo() {
    if (g_history.Undo(g_image))
        ReloadViews();
}

void CMainFrame::OnRedo() {
    if (g_history.Redo(g_image))
        ReloadViews();
}

void CMainFrame::ReloadViews() {
    for (CChildFrame* child : Children())
        child->View()->LoadGrid();
    UpdateHistoryState();
}

void CMainFrame::UpdateHistoryState() {
    const bool document = !Children().isEmpty();
    const std::pair<int, QString> items[] = {
        {kIdUndo,
         tr("撤销") +
             (g_history.CanUndo() ? " " + QString::fromStdString(g_history.UndoName()) : "")},
        {kIdRedo,
         tr("重做") +
             (g_history.CanRedo() ? " " + QString::fromStdString(g_history.RedoName()) : "")},
    };
    for (const auto& [id, text] : items) {
        QAction* command = m_actions.value(id);
        command->setEnabled(document &&
                            (id == kIdUndo ? g_history.CanUndo() : g_history.CanRedo()));
        for (QAction* item : m_documentMenus.edit->actions())
            if (item->data().toInt() == id)
                item->setText(text + '\t' + command->shortcut().toString(QKeySequence::NativeText));
    }
    const bool modified = g_cleanImage.IsModified(g_image);
    for (CChildFrame* child : Children())
        child->setWindowTitle(child->Doc()->Title() +
                              (modified && child == ActiveChild() ? "*" : ""));
}

bool CMainFrame::MaySetImageAside() {
    if (Children().isEmpty() || !g_cleanImage.IsModified(g_image))
        return true;
    switch (Ui::AskSaveChanges(this, tr("文件已修改，是否保存？"))) {
    case Ui::SaveAnswer::Save:
        return OnFileSave();
    case Ui::SaveAnswer::Discard:
        return true;
    case Ui::SaveAnswer::Cancel:
        break;
    }
    return false;
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (MaySetImageAside())
        event->accept();
    else
        event->ignore();
}
