#include "app/program_doc.h"

#include "app/app_globals.h"
#include "app/child_frame.h"
#include "app/image_step.h"
#include "app/message_box.h"
#include "channels/program_view.h"
#include "image/image_file.h"
#include "image/new_document.h"

#include <QFileInfo>
#include <QObject>

bool CProgramDoc::OnNewDocument() {
    BuildNewDocumentImage(g_image, DataFilePath("Default.dat").toStdString());
    m_path.clear();
    return true;
}

bool CProgramDoc::OnOpenDocument(const QString& path, QWidget* messageParent) {
    const FileResult result = LoadImageFile(path.toStdString(), g_image);
    if (!result.ok()) {
        const QString text = result.error == FileError::TooShort
                                 ? QObject::tr("%1 不是有效的数据文件。").arg(path)
                                 : QObject::tr("无法打开文件 %1。").arg(path);
        Ui::ShowMessage(messageParent, text, QString::fromStdString(result.reason));
        return false;
    }
    m_path = path;
    return true;
}

bool CProgramDoc::OnSaveDocument(const QString& path, CChildFrame* active, QWidget* messageParent) {
    if (active && active->View())
        active->View()->CommitGrid();
    const FileResult result = SaveImageFile(path.toStdString(), g_image);
    if (!result.ok()) {
        Ui::ShowMessage(messageParent, QObject::tr("无法保存文件 %1。").arg(path),
                        QString::fromStdString(result.reason));
        return false;
    }
    m_path = path;
    g_cleanImage.Mark(g_image);
    emit CImageSteps::Instance().Changed();
    return true;
}

QString CProgramDoc::Title() const {
    return m_path.isEmpty() ? QObject::tr("无标题") : QFileInfo(m_path).fileName();
}
