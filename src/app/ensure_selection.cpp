#include "app/ensure_selection.h"

#include <QComboBox>

void EnsureSelection(QComboBox* list, int fallbackIndex) {
    if (list->currentIndex() < 0 && fallbackIndex >= 0 && fallbackIndex < list->count())
        list->setCurrentIndex(fallbackIndex);
}

void EnsureSelectionByPrefix(QComboBox* list, const QString& prefix) {
    if (list->currentIndex() >= 0)
        return;
    for (int i = 0; i < list->count(); ++i)
        if (list->itemText(i).startsWith(prefix))
            return list->setCurrentIndex(i);
}
