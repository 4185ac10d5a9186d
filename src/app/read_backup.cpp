#include "app/read_backup.h"

#include "app/doc_manager.h"
#include "app/main_frame.h"
#include "app/message_box.h"
#include "app/status_message.h"

#include <QDir>

#include <ctime>

void BackupAfterRead(QWidget* from, const MemoryImage& image, BackupKind kind) {
    const BackupResult backup = SaveBackup(image, kind, BackupDirectory(), std::time(nullptr));
    const QString text =
        backup.error.empty()
            ? QObject::tr("已备份到 %1").arg(QString::fromStdString(backup.path.string()))
            : QObject::tr("备份失败：%1").arg(QString::fromStdString(backup.error));
    ShowStatusMessage(from, text);
}

void CMainFrame::OnOpenBackup() {
    const QString directory = QString::fromStdString(BackupDirectory().string());
    QDir().mkpath(directory);
    if (!MaySetImageAside())
        return;
    const QString path = Ui::AskOpenFileName(this, Ui::FileKind::Image, directory);
    if (!path.isEmpty())
        m_docManager->OpenCopyOf(path);
}
