#include "app/doc_manager.h"

#include "app/main_frame.h"
#include "app/program_doc.h"

#include <QDir>
#include <QFileInfo>

#include <memory>

QString CMyDocManager::CleanPath(const QString& path) {
    QString copy = path.startsWith('"') ? path.mid(1) : path;
    copy = copy.left(260);
    if (const int quote = copy.lastIndexOf('"'); quote >= 0)
        copy.truncate(quote);
    const QFileInfo info(QDir::current().absoluteFilePath(copy));
    const QString target = info.isSymLink() ? info.canonicalFilePath() : QString();
    return target.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : target;
}

bool CMyDocManager::OpenDocumentFile(const QString& path) {
    const QString clean = CleanPath(path);
    auto doc = std::make_unique<CProgramDoc>();
    if (!doc->OnOpenDocument(clean, m_frame))
        return false;
    m_frame->AddDocumentWindow(std::move(doc));
    m_frame->AddRecentFile(clean);
    return true;
}

bool CMyDocManager::OpenCopyOf(const QString& path) {
    auto doc = std::make_unique<CProgramDoc>();
    if (!doc->OnOpenDocument(CleanPath(path), m_frame))
        return false;
    doc->ForgetPath();
    m_frame->AddDocumentWindow(std::move(doc));
    return true;
}

bool CMyDocManager::NewDocument() {
    auto doc = std::make_unique<CProgramDoc>();
    if (!doc->OnNewDocument())
        return false;
    m_frame->AddDocumentWindow(std::move(doc));
    return true;
}
