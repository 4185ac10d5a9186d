#pragma once

#include "image/input_rule.h"

#include <QObject>
#include <QString>

#include <string>

class QLineEdit;

// The one input filter of every edit: characters the edit does not take are dropped, letters
// are upper-cased where its rule says so, and the user cannot make the text longer than the
// rule's length. It works on the text each user change leaves behind, so typed keys, paste,
// drops and input-method commits are treated alike; texts the program sets are left as they
// are. A spin box is filtered through its line edit.
class CTextFilter : public QObject {
    Q_OBJECT
  public:
    static CTextFilter* Install(QLineEdit* edit, const TextRule& rule);
    const TextRule& Rule() const { return m_rule; }

  private:
    CTextFilter(QLineEdit* edit, const TextRule& rule);
    void OnEdited();

    QLineEdit* m_edit;
    TextRule m_rule;
    QString m_before; // the text before the user's change
};

// Image texts are ASCII: other characters become 0xFF, which no text field stores.
std::string ToImageText(const QString& text);
