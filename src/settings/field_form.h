#pragma once

#include "image/field_codec.h"
#include "image/memory_image.h"
#include "image/region_layout.h"

#include <QObject>

#include <vector>

class QComboBox;
class QGridLayout;
class QLineEdit;
class QWidget;
class CStepSpinEdit;

// The controls of one field table: a list for every list field, an edit for every text and an
// edit with a spin for every number, laid out label beside control in `columns` columns.
// Loading and storing loop over the table; the rules are those of image/field_codec.h.
class CFieldForm : public QObject {
    Q_OBJECT
  public:
    CFieldForm(const std::vector<FieldSpec>& table, QWidget* parent, QGridLayout* layout,
               int columns);

    // Lists get their items, edits their limits and filters.
    void InitLists();
    void LoadFromImage(const MemoryImage& image); // ends with ApplyFallbacks
    void ApplyFallbacks();
    void StoreToImage(MemoryImage& image); // begins with ApplyFallbacks

    std::vector<FieldState> States() const;
    void SetStates(const std::vector<FieldState>& states);

    QWidget* Control(int id) const;
    QComboBox* List(int id) const;
    QLineEdit* Edit(int id) const; // also the edit of a number's spin
    CStepSpinEdit* Spin(int id) const;

  private:
    QWidget* MakeControl(const FieldSpec& field, QWidget* parent);
    void NormaliseNumber(size_t i);
    void StepNumber(size_t i, int direction);

    const std::vector<FieldSpec>& m_table;
    std::vector<QWidget*> m_controls;
};
