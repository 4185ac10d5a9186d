#pragma once

#include <QString>

class CChildFrame;
class QWidget;

// One radio configuration: it decides when the process-wide image is refilled (new, open)
// and written out (save); the image itself is not a member.
class CProgramDoc {
  public:
    bool OnNewDocument();
    // Reads the whole file first; a file that cannot be read or is too short is reported
    // and leaves the image as it was.
    bool OnOpenDocument(const QString& path, QWidget* messageParent);
    // Commits the grid of `activeView`'s frame first, then writes the 16384 bytes.
    bool OnSaveDocument(const QString& path, CChildFrame* active, QWidget* messageParent);

    const QString& PathName() const { return m_path; }
    void ForgetPath() { m_path.clear(); }
    QString Title() const;
    CChildFrame* Frame() const { return m_frame; }
    void SetFrame(CChildFrame* frame) { m_frame = frame; }

  private:
    QString m_path;
    CChildFrame* m_frame = nullptr;
};
