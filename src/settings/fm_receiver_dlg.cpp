#include "settings/fm_receiver_dlg.h"

#include "app/cell_editor.h"
#include "app/ensure_selection.h"
#include "app/focus_loss.h"
#include "app/text_filter.h"
#include "image/fm_receiver_region.h"
#include "image/memory_image.h"
#include "settings/settings_page.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>

namespace {

constexpr int kFrequencyLength = 7;
constexpr int kNumberColumn = 0;
constexpr int kFrequencyColumn = 1;
// Column widths in twips (1/1440 inch), shown at the screen's resolution.
constexpr int kColumnTwips[2] = {1000, 1500};

QString Qs(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

CFmReceiverDlg::CFmReceiverDlg(QWidget* parent, MemoryImage& image)
    : QDialog(parent), m_image(image), m_channel(new QComboBox(this)),
      m_current(new QLineEdit(this)), m_grid(new QTableWidget(kFmChannelCount, 2, this)),
      m_cellEditor(new CCellEditor(m_grid, {KeyFilter::Frequency, kFrequencyLength})) {
    setWindowTitle(tr("收音机配置"));
    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(tr("当前信道"), this), 0, 0);
    layout->addWidget(m_channel, 0, 1);
    layout->addWidget(new QLabel(tr("当前频率"), this), 1, 0);
    layout->addWidget(m_current, 1, 1);
    layout->addWidget(m_grid, 2, 0, 1, 2, Qt::AlignHCenter);
    m_current->installEventFilter(this);
    // The current frequency takes any character; leaving it corrects the text.
    CTextFilter::Install(m_current, {KeyFilter::Any, kFrequencyLength});
    // Only the frequency column is edited: a press on the channel number edits its frequency.
    m_cellEditor->cellFor = [](int, int) { return kFrequencyColumn; };
    m_cellEditor->normalise = [](const QString& text) {
        return Qs(NormaliseFmText(text.toStdString()));
    };
    SetUpGrid();
    InitLists();
    LoadFromImage();
}

CFmReceiverDlg::~CFmReceiverDlg() {
    if (!m_stored) {
        CommitFocusedControl(this);
        StoreToImage();
    }
}

void CFmReceiverDlg::SetUpGrid() {
    m_grid->setHorizontalHeaderLabels(tr("信道|频率").split('|'));
    m_grid->verticalHeader()->hide();
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The current cell is shown by its colour, not by a selection.
    m_grid->setSelectionMode(QAbstractItemView::NoSelection);
    for (int c = 0; c < 2; ++c)
        m_grid->setColumnWidth(c, TwipsToPixels(this, kColumnTwips[c]));
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
    connect(m_grid, &QTableWidget::currentCellChanged, this, &CFmReceiverDlg::MarkCurrentCell);
}

void CFmReceiverDlg::InitLists() {
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
    m_cellEditor->Commit();
    EnsureSelection(m_channel, 0);
}

void CFmReceiverDlg::StoreToImage() {
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
    if (!m_stored) {
        CommitFocusedControl(this);
        StoreToImage();
    }
    QDialog::done(result);
}

void CFmReceiverDlg::NormaliseCurrentFrequency() {
    const QString text = Qs(NormaliseFmText(m_current->text().toStdString()));
    if (text != m_current->text())
        m_current->setText(text);
}

void CFmReceiverDlg::ShowCellEditor(int row) {
    if (row >= 0 && row < kFmChannelCount)
        m_cellEditor->Open(row, kFrequencyColumn);
}

void CFmReceiverDlg::MarkCurrentCell(int row, int column, int previousRow, int previousColumn) {
    if (QTableWidgetItem* previous = m_grid->item(previousRow, previousColumn))
        previous->setForeground(QBrush());
    if (QTableWidgetItem* current = m_grid->item(row, column))
        current->setForeground(QColor(Qt::red));
}

bool CFmReceiverDlg::eventFilter(QObject* object, QEvent* event) {
    if (object == m_current && event->type() == QEvent::FocusOut)
        NormaliseCurrentFrequency();
    return QDialog::eventFilter(object, event);
}

void CFmReceiverDlg::keyPressEvent(QKeyEvent* event) {
    if (IsEnterOrEsc(event))
        return event->accept();
    QDialog::keyPressEvent(event);
}
