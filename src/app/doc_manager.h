#pragma once

#include <QString>

class CMainFrame;

// Opens documents: every open reads the file again into a new window, even when that file
// is already shown.
class CMyDocManager {
  public:
    explicit CMyDocManager(CMainFrame* frame) : m_frame(frame) {}

    // The path as the open uses it: one leading quote skipped, at most 260 characters, cut
    // at the last quote, made absolute, links resolved to their target.
    static QString CleanPath(const QString& path);

    bool OpenDocumentFile(const QString& path);
    // Opens the file as a new, unnamed document, so saving it never overwrites the file.
    bool OpenCopyOf(const QString& path);
    bool NewDocument();

  private:
    CMainFrame* m_frame;
};
