#pragma once

#include <QStyledItemDelegate>

class CProgramView;

// The grid's three in-cell editors: a frequency edit, an editable tone list and an option
// list. Committing an editor hands its text to the view's commit rules.
class CGridDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    explicit CGridDelegate(CProgramView* view);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    void destroyEditor(QWidget* editor, const QModelIndex& index) const override;

    // Commits and closes the open editor, if any.
    void CommitOpenEditor();
    QWidget* OpenEditor() const { return m_openEditor; }

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
    bool eventFilter(QObject* object, QEvent* event) override;

  private:
    CProgramView* m_view;
    mutable QWidget* m_openEditor = nullptr;
};
