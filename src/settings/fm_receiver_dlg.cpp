#include "settings/fm_receiver_dlg.h"

#include "app/ensure_selection.h"
#include "image/fm_receiver_region.h"
#include "image/memory_image.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableWidget>

namespace {

constexpr int kFrequencyLength = 7;
constexpr int kNumberColumn = 0;
constexpr int kFrequencyColumn = 1;
// Column widths in twips (1/1440 inch), shown at the screen's resolution.
constexpr int kColumnTwips[2] = {1000, 1500};
constexpr int kTwipsPerInch = 1440;

bool IsEnterOrEscape(const QKeyEvent* event) {
    const int key = event->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape;
}

QString Qs(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

CFmReceiverDlg::CFmReceiverDlg(QWidget* parent, MemoryImage& image)
    : QDialog(parent), m_image(image), m_channel(new QComboBox(this)),
      m_current(new QLineEdit(this)), m_grid(new QTableWidget(kFmChannelCount, 2, this)),
      m_cellEditor(new QLineEdit(m_grid->viewport())) {
    setWindowTitle(tr("收音机配置"));
    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(tr("当前信道"), this), 0, 0);
    layout->addWidget(m_channel, 0, 1);
    layout->addWidget(new QLabel(tr("当前频率"), this), 1, 0);
    layout->addWidget(m_current, 1, 1);
    layout->addWidget(m_grid, 2, 0, 1, 2, Qt::AlignHCenter);
    m_current->installEventFilter(this);
    m_cellEditor->installEventFilter(this);
    m_cellEditor->hide();
    SetUpGrid();
    InitLists();
    LoadFromImage();
}

CFmReceiverDlg::~CFmReceiverDlg() {
    if (!m_stored)
        StoreToImage();
}

void CFmReceiverDlg::SetUpGrid() {
    m_grid->setHorizontalHeaderLabels(tr("信道|频率").split('|'));
    m_grid->verticalHeader()->hide();
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The current cell is shown by its colour, not by a selection.
    m_grid->setSelectionMode(QAbstractItemView::NoSelection);
    for (int c = 0; c < 2; ++c)
        m_grid->setColumnWidth(c, kColumnTwips[c] * logicalDpiX() / kTwipsPerInch);
    for (int r = 0; r < kFmChannelCount; ++r)
        for (int c = 0; c < 2; ++c) {
            auto* item =
                new QTableWidgetItem(c == kNumberColumn ? QString::number(r + 1) : QString());
            item->setTextAlignment(Qt::AlignCenter);
            m_grid->setItem(r, c, item);
        }
    m_grid->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    // Room for all 20 rows and both columns, so the grid rarely needs to scroll.
    const int frame = 2 * m_grid->frameWidth();
    m_grid->setMinimumSize(m_grid->horizontalHeader()->length() + frame,
                           m_grid->horizontalHeader()->sizeHint().height() +
                               m_grid->verticalHeader()->length() + frame);
    m_grid->setMaximumWidth(m_grid->minimumWidth());
    m_cellEditor->setAlignment(Qt::AlignCenter);
    connect(m_grid, &QTableWidget::cellPressed, this, [this](int row, int) {
        if (QApplication::mouseButtons() & Qt::LeftButton)
            ShowCellEditor(row);
    });
    connect(m_grid, &QTableWidget::currentCellChanged, this, &CFmReceiverDlg::MarkCurrentCell);
    // Scrolling would leave the editor over the wrong cell: commit it and hand the focus back.
    connect(m_grid->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
        if (!m_cellEditor->isHidden()) {
            CommitCellEditor();
            m_grid->setFocus();
        }
    });
}

void CFmReceiverDlg::InitLists() {
    m_current->setMaxLength(kFrequencyLength);
    m_cellEditor->setMaxLength(kFrequencyLength);
    for (int n = 1; n <= kFmChannelCount; ++n)
        m_channel->addItem(QString::number(n));
}

void CFmReceiverDlg::LoadFromImage() {
    const FmReceiverTexts texts = LoadFmReceiver(m_image);
    m_channel->setCurrentIndex(
        m_channel->findText(QString::number(texts.channel), Qt::MatchStartsWith));
    m_current->setText(Qs(texts.current));
    for (int n = 1; n <= kFmChannelCount; ++n)
        m_grid->item(n - 1, kFrequencyColumn)->setText(Qs(texts.channels[n - 1]));
    ApplyFallbacks();
}

void CFmReceiverDlg::ApplyFallbacks() {
    if (!m_cellEditor->isHidden())
        CommitCellEditor();
    EnsureSelection(m_channel, 0);
}

void CFmReceiverDlg::StoreToImage() {
    // Text still being typed has not lost the focus yet: normalise it as leaving would.
    NormaliseCurrentFrequency();
    ApplyFallbacks();
    FmReceiverTexts texts;
    texts.channel = m_channel->currentText().toInt();
    texts.current = m_current->text().toStdString();
    for (int n = 1; n <= kFmChannelCount; ++n)
        texts.channels[n - 1] = m_grid->item(n - 1, kFrequencyColumn)->text().toStdString();
    StoreFmReceiver(texts, m_image);
    m_stored = true;
}

void CFmReceiverDlg::done(int result) {
    if (!m_stored)
        StoreToImage();
    QDialog::done(result);
}

void CFmReceiverDlg::NormaliseCurrentFrequency() {
    const QString text = Qs(NormaliseFmText(m_current->text().toStdString()));
    if (text != m_current->text())
        m_current->setText(text);
}

void CFmReceiverDlg::ShowCellEditor(int row) {
    if (row < 0 || row >= kFmChannelCount)
        return;
    if (!m_cellEditor->isHidden())
        CommitCellEditor();
    // Only the frequency column is editable: a press on the channel number edits its
    // frequency rather than turning the number into a frequency.
    m_grid->setCurrentCell(row, kFrequencyColumn);
    QTableWidgetItem* item = m_grid->item(row, kFrequencyColumn);
    m_editRow = row;
    m_cellEditor->setGeometry(m_grid->visualItemRect(item));
    m_cellEditor->setText(item->text());
    m_cellEditor->selectAll();
    m_cellEditor->show();
    m_cellEditor->setFocus();
}

void CFmReceiverDlg::CommitCellEditor() {
    if (m_editRow >= 0) {
        const std::string text = m_cellEditor->text().toStdString();
        m_grid->item(m_editRow, kFrequencyColumn)->setText(Qs(NormaliseFmText(text)));
    }
    m_editRow = -1;
    m_cellEditor->hide();
}

void CFmReceiverDlg::MarkCurrentCell(int row, int column, int previousRow, int previousColumn) {
    if (QTableWidgetItem* previous = m_grid->item(previousRow, previousColumn))
        previous->setForeground(QBrush());
    if (QTableWidgetItem* current = m_grid->item(row, column))
        current->setForeground(QColor(Qt::red));
}

bool CFmReceiverDlg::FilterCellEditorKey(const QKeyEvent* event) {
    if (IsEnterOrEscape(event)) {
        CommitCellEditor();
        m_grid->setFocus();
        return true;
    }
    const QString text = event->text();
    return !text.isEmpty() && !FmCellCharAllowed(text.at(0).unicode());
}

bool CFmReceiverDlg::eventFilter(QObject* object, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        if (object == m_current)
            NormaliseCurrentFrequency();
        else if (object == m_cellEditor && !m_cellEditor->isHidden())
            CommitCellEditor();
    } else if (event->type() == QEvent::KeyPress && object == m_cellEditor &&
               FilterCellEditorKey(static_cast<QKeyEvent*>(event))) {
        return true;
    }
    return QDialog::eventFilter(object, event);
}

void CFmReceiverDlg::keyPressEvent(QKeyEvent* event) {
    if (IsEnterOrEscape(event))
        return event->accept();
    QDialog::keyPressEvent(event);
}
