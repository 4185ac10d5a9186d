#include "app/app_globals.h"
#include "app/image_step.h"
#include "app/status_message.h"
#include "channels/channel_clipboard.h"
#include "channels/find_bar.h"
#include "channels/program_view.h"
#include "image/channel_find.h"
#include "image/channel_record.h"
#include "image/grid_clipboard.h"

#include <QAction>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QTableWidget>

#include <algorithm>
#include <set>

// The grid's spreadsheet-like commands: clipboard, row operations and find. Each change to
// the image is one step; the grid then shows what the image holds.

namespace {

QString RowLabel(int row) {
    return QString::fromStdString(GridRowLabel(row));
}

QString RefusalText(RowRefusal refusal) {
    switch (refusal) {
    case RowRefusal::NoChannel:
        return CProgramView::tr("VFO 行不能进行此操作");
    case RowRefusal::BandEdge:
        return CProgramView::tr("已到频段边界，不能再移动");
    case RowRefusal::LastNotEmpty:
        return CProgramView::tr("频段最后的信道不是空的，不能插入空行");
    case RowRefusal::None:
        break;
    }
    return {};
}

} // namespace

void CProgramView::BuildRowMenu() {
    const std::pair<const char*, RowOperation> items[] = {
        {QT_TR_NOOP("清除"), RowOperation::Clear},
        {QT_TR_NOOP("插入空行"), RowOperation::InsertEmpty},
        {QT_TR_NOOP("删除并上移"), RowOperation::DeleteShiftUp},
        {QT_TR_NOOP("上移"), RowOperation::MoveUp},
        {QT_TR_NOOP("下移"), RowOperation::MoveDown},
    };
    for (auto [text, operation] : items) {
        const QString name = tr(text);
        connect(m_rowMenu->addAction(name), &QAction::triggered, this,
                [this, operation, name] { RunRowOperation(operation, name); });
    }
    QHeaderView* labels = m_grid->verticalHeader();
    labels->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(labels, &QHeaderView::customContextMenuRequested, this, &CProgramView::ShowRowMenu);
    auto* find = new QAction(this);
    find->setShortcut(QKeySequence::Find);
    find->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(find);
    connect(find, &QAction::triggered, this, &CProgramView::ShowFindBar);
    connect(m_findBar, &CFindBar::Search, this, &CProgramView::OnFind);
    connect(m_findBar, &CFindBar::Closed, m_grid, [this] { m_grid->setFocus(); });
}

// A label outside the selection selects its row first, as spreadsheets do.
void CProgramView::ShowRowMenu(const QPoint& position) {
    QHeaderView* labels = m_grid->verticalHeader();
    const int row = labels->logicalIndexAt(position) + 1;
    if (row < 1)
        return;
    CommitOpenEditors();
    const std::vector<int> selected = SelectedRows();
    if (!std::binary_search(selected.begin(), selected.end(), row))
        SelectRows({row});
    const std::vector<int> rows = SelectedRows();
    const bool channel = std::any_of(rows.begin(), rows.end(), [](int r) { return r < kVfoA; });
    for (QAction* action : m_rowMenu->actions())
        action->setEnabled(channel);
    m_rowMenu->popup(labels->viewport()->mapToGlobal(position));
}

std::vector<int> CProgramView::SelectedRows() const {
    std::set<int> rows;
    for (const QModelIndex& index : m_grid->selectionModel()->selectedIndexes())
        rows.insert(index.row() + 1);
    if (rows.empty() && m_grid->currentRow() >= 0)
        rows.insert(m_grid->currentRow() + 1);
    return {rows.begin(), rows.end()};
}

void CProgramView::SelectRows(const std::vector<int>& rows) {
    if (rows.empty())
        return;
    const int column = std::max(m_grid->currentColumn(), 0);
    m_grid->setCurrentCell(rows.front() - 1, column, QItemSelectionModel::NoUpdate);
    QItemSelection selection;
    for (int row : rows)
        selection.select(m_grid->model()->index(row - 1, 0),
                         m_grid->model()->index(row - 1, kGridColumns - 2));
    m_grid->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

bool CProgramView::HandleClipboardKey(const QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy))
        OnCopy();
    else if (event->matches(QKeySequence::Cut))
        OnCut();
    else if (event->matches(QKeySequence::Paste))
        OnPaste();
    else
        return false;
    return true;
}

// Whole rows also go as records, so a paste inside the program keeps every field.
void CProgramView::OnCopy() {
    CommitOpenEditors();
    const std::vector<int> rows = SelectedRows();
    if (rows.empty())
        return;
    int first = m_grid->currentColumn() + 1, last = first;
    const QModelIndexList selected = m_grid->selectionModel()->selectedIndexes();
    if (!selected.isEmpty()) {
        first = kGridColumns, last = 0;
        for (const QModelIndex& index : selected)
            first = std::min(first, index.column() + 1), last = std::max(last, index.column() + 1);
    }
    std::vector<GridRow> cells;
    for (int row : rows)
        cells.push_back(RowCells(row));
    ClipboardChannels channels{GridCellsToText(cells, first, last), {}};
    if (first == kColRxFreq && last == kGridColumns - 1)
        channels.records = CopyRecords(g_image, rows);
    PutChannelsOnClipboard(channels);
}

void CProgramView::OnCut() {
    OnCopy();
    RunRowOperation(RowOperation::Clear, tr("剪切"));
}

void CProgramView::OnPaste() {
    CommitOpenEditors();
    const int row = m_grid->currentRow() + 1, column = m_grid->currentColumn() + 1;
    const ClipboardChannels channels = ChannelsOnClipboard();
    if (row < 1 || column < 1 || (channels.text.empty() && channels.records.empty()))
        return;
    PasteResult result;
    {
        CImageStep step(tr("粘贴"));
        result = PasteRecords(g_image, row, channels.records);
        if (result.rows == 0)
            result = PasteGridText(g_image, g_bandLimits, row, column, channels.text);
        ReloadAfterImageChange();
    }
    if (result.dropped > 0)
        ShowStatusMessage(this, tr("粘贴到本频段的最后一个信道 %1 为止，%2 行没有粘贴")
                                    .arg(RowLabel(result.lastRow))
                                    .arg(result.dropped));
}

void CProgramView::RunRowOperation(RowOperation operation, const QString& name) {
    CommitOpenEditors();
    RowOperationResult result;
    {
        CImageStep step(name);
        result = ApplyRowOperation(g_image, g_bandLimits, operation, SelectedRows());
        if (result.refusal == RowRefusal::None)
            ReloadAfterImageChange();
    }
    if (result.refusal != RowRefusal::None)
        return ShowStatusMessage(this, RefusalText(result.refusal));
    SelectRows(result.rows);
}

void CProgramView::ShowFindBar() {
    CommitOpenEditors();
    m_findBar->Open();
}

// Typing looks from the current row on, so the match stays while the query grows; "next"
// looks past it.
void CProgramView::OnFind(const QString& query, bool next) {
    if (query.isEmpty())
        return;
    const int current = std::max(m_grid->currentRow() + 1, 1);
    const ChannelMatch match =
        ::FindChannel(g_image, g_bandLimits, query.toStdString(), next ? current : current - 1);
    if (match.row == 0)
        return ShowStatusMessage(this, tr("找不到“%1”").arg(query));
    SetCurrentCell(match.row, match.column);
    m_grid->scrollToItem(m_grid->currentItem());
}
