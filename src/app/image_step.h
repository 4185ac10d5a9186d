#pragma once

#include "image/image_history.h"

#include <QObject>
#include <QString>

// The undo history and the modified state of the process-wide image.
extern ImageHistory g_history;
extern CleanImage g_cleanImage;

// Tells the main window that the history or the modified state changed (menu texts, title).
class CImageSteps : public QObject {
    Q_OBJECT
  public:
    static CImageSteps& Instance();
  signals:
    void Changed();
};

// One undoable step around a piece of work that may change the image: the image is taken when
// the step is made and what changed is recorded, under `name`, when it ends. Steps nest: only
// the outermost one records, so a command that commits the grid first stays one step.
class CImageStep {
  public:
    explicit CImageStep(const QString& name);
    ~CImageStep();
    CImageStep(const CImageStep&) = delete;
    CImageStep& operator=(const CImageStep&) = delete;

  private:
    QString m_name;
    MemoryImage m_before;
    bool m_outermost;
};
