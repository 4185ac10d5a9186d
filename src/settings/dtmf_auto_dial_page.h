#pragma once

#include "image/memory_image.h"
#include "settings/settings_page.h"

#include <QString>

class CCellEditor;
class CFieldForm;
class QLineEdit;
class QPushButton;
class QTableWidget;

// "自动拨号": the own identity, the separator and ten dial codes in a grid with an in-cell
// editor. The call identity is the program-wide g_dtmfCallId, not part of the image.
class CDtmfAutoDialPage : public CSettingsPage {
    Q_OBJECT
  public:
    CDtmfAutoDialPage(MemoryImage& image, QWidget* parent);
    ~CDtmfAutoDialPage() override;

    void InitLists() override;
    void LoadFromImage() override;
    void StoreToImage() override;

    // Opens the cell editor over the current cell when it is in the code column.
    void OpenCellEditor();
    void CommitCellEditor();
    void AniCall();

    CFieldForm* Form() const { return m_form; }
    QTableWidget* Grid() const { return m_grid; }
    CCellEditor* CellEditor() const { return m_cellEditor; }
    QLineEdit* CallIdEdit() const { return m_callId; }
    QPushButton* AniButton() const { return m_ani; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildGrid();
    QString SeparatorText() const;
    QString SelfIdText() const;
    void SeparatorChosen();
    void SelfIdLeft();
    void RewriteSuffixes(const QString& oldSuffix, const QString& newSuffix);

    MemoryImage& m_image;
    CFieldForm* m_form;
    QTableWidget* m_grid;
    CCellEditor* m_cellEditor;
    QLineEdit* m_callId;
    QPushButton* m_ani;
    QString m_previousSeparator;
    QString m_previousSelfId;
};
