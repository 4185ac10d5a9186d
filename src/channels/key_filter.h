#pragma once

#include <QObject>
#include <QString>

class QLineEdit;

// Discards typed characters outside `allowed` before they reach the edit, and with a limit
// refuses typing beyond it (an empty `allowed` takes every character); texts the program sets may
// be longer (the label "A VFO").
class CKeyFilter : public QObject {
    Q_OBJECT
  public:
    CKeyFilter(QLineEdit* edit, const QString& allowed, int typedLimit = 0);

  protected:
    bool eventFilter(QObject* object, QEvent* event) override;

  private:
    QLineEdit* m_edit;
    QString m_allowed;
    int m_limit;
};

inline const char* const kFrequencyChars = "0123456789.";
