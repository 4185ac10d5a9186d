#pragma once

#include "image/region_layout.h"

#include <QObject>
#include <QString>

class QLineEdit;
class QWidget;

// Drops typed characters the edit's filter does not take; control keys (backspace, Enter,
// Esc, shortcuts) pass. Pasted and composed text is cleaned up after the edit as well, and the
// upper-casing filters turn letters into capitals.
class CFieldKeyFilter : public QObject {
    Q_OBJECT
  public:
    CFieldKeyFilter(KeyFilter filter, QObject* parent);
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    KeyFilter m_filter;
};

// The text with the characters the filter drops removed and the rest as the filter makes them.
QString FilterText(KeyFilter filter, const QString& text);
// Filters the edit's typed keys (and those of `host`, a widget that forwards keys to it).
void InstallKeyFilter(QLineEdit* edit, KeyFilter filter, QWidget* host = nullptr);

// Image texts are ASCII: other characters become 0xFF, which no text field stores.
std::string ToImageText(const QString& text);
