#pragma once

#include "app/message_box.h"

#include <QStringList>
#include <QTemporaryDir>

// A program directory of its own (KESTRA_HOME) and start-up values for the globals.
class TestHome {
  public:
    TestHome();
    ~TestHome();
    QString Path(const QString& name) const { return m_dir.filePath(name); }
    bool WriteFile(const QString& name, const QByteArray& bytes) const;

  private:
    QTemporaryDir m_dir;
};

// Answers every message box and file dialog; records the messages.
class AutoResponder : public Ui::Responder {
  public:
    AutoResponder();
    ~AutoResponder();
    QStringList messages;
    QStringList details;
    bool answerOk = true;
    QStringList fileNames; // taken in order; empty = cancelled
    int questions = 0;
};
