#include "channels/batch_channel_dlg.h"

#include "app/app_globals.h"
#include "app/text_filter.h"
#include "channels/option_lists.h"
#include "channels/program_view.h"
#include "image/codecs.h"
#include "image/decimal_scale.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <chrono>
#include <random>

namespace {

constexpr TextRule kStartRule{KeyFilter::Frequency, 9};
constexpr TextRule kStepRule{KeyFilter::Frequency, 6};
constexpr TextRule kOffsetRule{KeyFilter::Frequency, 8};
constexpr TextRule kRangeRule{KeyFilter::Any, 3};
constexpr TextRule kIntervalRule{KeyFilter::Any, 2};

QLineEdit* MakeEdit(QWidget* parent, const char* name, const TextRule& rule) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    CTextFilter::Install(edit, rule);
    const QString widest(rule.maxLength + 1, '0');
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(widest));
    return edit;
}

QRadioButton* MakeRadio(QWidget* parent, const QString& text, const char* name) {
    auto* radio = new QRadioButton(text, parent);
    radio->setObjectName(name);
    return radio;
}

void MakeExclusive(QObject* owner, std::initializer_list<QAbstractButton*> buttons) {
    auto* group = new QButtonGroup(owner);
    for (QAbstractButton* b : buttons)
        group->addButton(b);
}

QCheckBox* MakeCheck(QWidget* parent, const QString& text, const char* name) {
    auto* check = new QCheckBox(text, parent);
    check->setObjectName(name);
    return check;
}

// The edit's leading integer; 0 for no number or one that does not fit.
int IntOf(const QLineEdit* edit) {
    const auto scanned = ScanInt(edit->text().toStdString());
    return scanned && scanned->fits ? scanned->value : 0;
}

std::string Text(const QLineEdit* edit) {
    return edit->text().toStdString();
}

// The option lists in the order of the form.
constexpr ChannelFieldId kOptionOrder[kChannelOptionCount] = {
    ChannelFieldId::Power,        ChannelFieldId::Bandwidth, ChannelFieldId::SignalType,
    ChannelFieldId::ScanAdd,      ChannelFieldId::BusyLock,  ChannelFieldId::PttId,
    ChannelFieldId::RepeaterMode, ChannelFieldId::Vox,       ChannelFieldId::VoiceMode,
};

} // namespace

CBatchChannelDlg::CBatchChannelDlg(CProgramView& view, QWidget* parent)
    : QDialog(parent), m_view(view) {
    setWindowTitle(tr("信道编辑"));
    auto* apply = new QPushButton(tr("应用"), this);
    auto* cancel = new QPushButton(tr("取消"), this);
    apply->setObjectName("apply");
    cancel->setObjectName("cancel");
    for (QPushButton* b : {apply, cancel})
        b->setAutoDefault(false);
    connect(apply, &QPushButton::clicked, this, &CBatchChannelDlg::ApplyBatch);
    connect(cancel, &QPushButton::clicked, this, &CBatchChannelDlg::reject);
    auto* left = new QVBoxLayout;
    left->addWidget(BuildRange());
    left->addWidget(BuildReceive());
    left->addWidget(BuildTransmit());
    auto* right = new QVBoxLayout;
    right->addWidget(BuildReceiveTone());
    right->addWidget(BuildTransmitTone());
    right->addWidget(BuildOptions());
    right->addWidget(BuildName());
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(apply);
    buttons->addWidget(cancel);
    right->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(right);
    SetInitialState();
    for (QAbstractButton* b : findChildren<QAbstractButton*>())
        if (qobject_cast<QRadioButton*>(b) || qobject_cast<QCheckBox*>(b))
            connect(b, &QAbstractButton::toggled, this, &CBatchChannelDlg::UpdateEnabling);
    for (QLineEdit* e : {m_rxStart, m_txStart, m_rxStep, m_txStep, m_from, m_to})
        e->installEventFilter(this);
    for (QLineEdit* e : {m_rxStep, m_txStep})
        connect(e, &QLineEdit::textChanged, this,
                [this, e] { LimitWhileTyped(e, kBatchMaxStepKhz); });
    for (QLineEdit* e : {m_rxInterval, m_txInterval})
        connect(e, &QLineEdit::textChanged, this,
                [this, e] { LimitWhileTyped(e, kBatchMaxToneInterval); });
    UpdateEnabling();
}

QGroupBox* CBatchChannelDlg::BuildRange() {
    auto* box = new QGroupBox(tr("范围:"), this);
    m_all = MakeRadio(box, tr("全部"), "all");
    m_bandA = MakeRadio(box, tr("A段"), "bandA");
    m_bandB = MakeRadio(box, tr("B段"), "bandB");
    m_fromTo = MakeRadio(box, tr("从信道"), "fromChannel");
    m_from = MakeEdit(box, "from", kRangeRule);
    m_to = MakeEdit(box, "to", kRangeRule);
    MakeExclusive(this, {m_all, m_bandA, m_bandB, m_fromTo});
    auto* grid = new QGridLayout(box);
    grid->addWidget(m_all, 0, 0);
    grid->addWidget(m_bandA, 0, 1);
    grid->addWidget(m_bandB, 0, 2);
    grid->addWidget(m_fromTo, 1, 0);
    grid->addWidget(m_from, 1, 1);
    grid->addWidget(new QLabel(tr("到信道"), box), 1, 2);
    grid->addWidget(m_to, 1, 3);
    return box;
}

QGroupBox* CBatchChannelDlg::BuildReceive() {
    auto* box = new QGroupBox(tr("接收频率:"), this);
    m_rxStart = MakeEdit(box, "rxStart", kStartRule);
    m_rxStep = MakeEdit(box, "rxStep", kStepRule);
    m_rxUp = MakeRadio(box, tr("递增"), "rxUp");
    m_rxDown = MakeRadio(box, tr("递减"), "rxDown");
    MakeExclusive(this, {m_rxUp, m_rxDown});
    auto* grid = new QGridLayout(box);
    grid->addWidget(new QLabel(tr("起始频率(MHz)"), box), 0, 0);
    grid->addWidget(m_rxStart, 0, 1);
    grid->addWidget(new QLabel(tr("接收步进 (kHz)"), box), 1, 0);
    grid->addWidget(m_rxStep, 1, 1);
    grid->addWidget(m_rxUp, 2, 0);
    grid->addWidget(m_rxDown, 2, 1);
    return box;
}

QGroupBox* CBatchChannelDlg::BuildTransmit() {
    auto* box = new QGroupBox(tr("发射频率:"), this);
    m_txSame = MakeRadio(box, tr("默认"), "txSame");
    m_txOffset = MakeRadio(box, tr("偏移频率(MHz)"), "txOffset");
    m_txOwn = MakeRadio(box, tr("起始频率(MHz)"), "txOwn");
    m_offset = MakeEdit(box, "offset", kOffsetRule);
    m_plus = MakeRadio(box, tr("加"), "plus");
    m_minus = MakeRadio(box, tr("减"), "minus");
    m_txStart = MakeEdit(box, "txStart", kStartRule);
    m_txStep = MakeEdit(box, "txStep", kStepRule);
    m_txUp = MakeRadio(box, tr("递增"), "txUp");
    m_txDown = MakeRadio(box, tr("递减"), "txDown");
    MakeExclusive(this, {m_txSame, m_txOffset, m_txOwn});
    MakeExclusive(this, {m_plus, m_minus});
    MakeExclusive(this, {m_txUp, m_txDown});
    auto* grid = new QGridLayout(box);
    grid->addWidget(m_txSame, 0, 0);
    grid->addWidget(m_txOffset, 1, 0);
    grid->addWidget(m_offset, 1, 1);
    grid->addWidget(m_plus, 1, 2);
    grid->addWidget(m_minus, 1, 3);
    grid->addWidget(m_txOwn, 2, 0);
    grid->addWidget(m_txStart, 2, 1);
    grid->addWidget(new QLabel(tr("发射步进(KHz)"), box), 3, 0);
    grid->addWidget(m_txStep, 3, 1);
    grid->addWidget(m_txUp, 3, 2);
    grid->addWidget(m_txDown, 3, 3);
    return box;
}

QGroupBox* CBatchChannelDlg::BuildReceiveTone() {
    auto* box = new QGroupBox(tr("接收信令:"), this);
    m_rxTone = MakeToneList(box, "rxTone", false);
    m_rxRandom = MakeCheck(box, tr("随机"), "rxRandom");
    m_rxInterval = MakeEdit(box, "rxInterval", kIntervalRule);
    m_rxToneUp = MakeRadio(box, tr("递增"), "rxToneUp");
    m_rxToneDown = MakeRadio(box, tr("递减"), "rxToneDown");
    MakeExclusive(this, {m_rxToneUp, m_rxToneDown});
    auto* grid = new QGridLayout(box);
    grid->addWidget(new QLabel(tr("起始信令"), box), 0, 0);
    grid->addWidget(m_rxTone, 0, 1);
    grid->addWidget(m_rxRandom, 0, 2);
    grid->addWidget(new QLabel(tr("间隔"), box), 1, 0);
    grid->addWidget(m_rxInterval, 1, 1);
    grid->addWidget(m_rxToneUp, 1, 2);
    grid->addWidget(m_rxToneDown, 1, 3);
    return box;
}

QGroupBox* CBatchChannelDlg::BuildTransmitTone() {
    auto* box = new QGroupBox(tr("发射信令:"), this);
    m_txToneSame = MakeRadio(box, tr("默认"), "txToneSame");
    m_txToneOwn = MakeRadio(box, tr("起始信令"), "txToneOwn");
    m_txTone = MakeToneList(box, "txTone", false);
    m_txRandom = MakeCheck(box, tr("随机"), "txRandom");
    m_txInterval = MakeEdit(box, "txInterval", kIntervalRule);
    m_txToneUp = MakeRadio(box, tr("递增"), "txToneUp");
    m_txToneDown = MakeRadio(box, tr("递减"), "txToneDown");
    MakeExclusive(this, {m_txToneSame, m_txToneOwn});
    MakeExclusive(this, {m_txToneUp, m_txToneDown});
    auto* grid = new QGridLayout(box);
    grid->addWidget(m_txToneSame, 0, 0);
    grid->addWidget(m_txToneOwn, 1, 0);
    grid->addWidget(m_txTone, 1, 1);
    grid->addWidget(m_txRandom, 1, 2);
    grid->addWidget(new QLabel(tr("间隔"), box), 2, 0);
    grid->addWidget(m_txInterval, 2, 1);
    grid->addWidget(m_txToneUp, 2, 2);
    grid->addWidget(m_txToneDown, 2, 3);
    return box;
}

QGroupBox* CBatchChannelDlg::BuildOptions() {
    auto* box = new QGroupBox(this);
    auto* grid = new QGridLayout(box);
    for (int k = 0; k < kChannelOptionCount; ++k) {
        const int option = ChannelOptionIndex(kOptionOrder[k]);
        m_options[option] = MakeOptionList(option, box);
        grid->addWidget(new QLabel(OptionLabel(option), box), k / 3, (k % 3) * 2);
        grid->addWidget(m_options[option], k / 3, (k % 3) * 2 + 1);
    }
    return box;
}

QGroupBox* CBatchChannelDlg::BuildName() {
    auto* box = new QGroupBox(this);
    const FieldSpec& name = ChannelField(ChannelFieldId::Name);
    m_name = MakeEdit(box, "name", {name.keys, name.maxLength});
    m_byChannel = MakeCheck(box, tr("按信道号"), "byChannel");
    auto* row = new QHBoxLayout(box);
    row->addWidget(new QLabel(tr("信道名字"), box));
    row->addWidget(m_name);
    row->addWidget(m_byChannel);
    return box;
}

void CBatchChannelDlg::SetInitialState() {
    m_all->setChecked(true);
    m_from->setText("1");
    m_to->setText("256");
    const QString low = QString::fromStdString(FormatFrequencyText(g_bandLimits.low[0]));
    m_rxStart->setText(low);
    m_txStart->setText(low);
    for (QLineEdit* e : {m_rxStep, m_txStep, m_rxInterval, m_txInterval})
        e->setText("0");
    m_offset->setText(QString::fromStdString(FormatFrequencyText(0)));
    for (QRadioButton* r : {m_rxUp, m_txUp, m_rxToneUp, m_txToneUp, m_plus, m_txSame, m_txToneSame})
        r->setChecked(true);
    m_rxTone->setCurrentIndex(0);
    m_txTone->setCurrentIndex(0);
    for (QComboBox* list : m_options)
        list->setCurrentIndex(0);
}

void CBatchChannelDlg::UpdateEnabling() {
    const bool typedRange = m_fromTo->isChecked();
    if (!typedRange) {
        const bool b = m_bandB->isChecked();
        m_from->setText(b ? "129" : "1");
        m_to->setText(m_bandA->isChecked() ? "128" : "256");
    }
    m_from->setEnabled(typedRange);
    m_to->setEnabled(typedRange);
    for (QWidget* w : std::initializer_list<QWidget*>{m_offset, m_plus, m_minus})
        w->setEnabled(m_txOffset->isChecked());
    for (QWidget* w : std::initializer_list<QWidget*>{m_txStart, m_txStep, m_txUp, m_txDown})
        w->setEnabled(m_txOwn->isChecked());
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_rxTone, m_rxInterval, m_rxToneUp, m_rxToneDown})
        w->setEnabled(!m_rxRandom->isChecked());
    const bool ownTone = m_txToneOwn->isChecked();
    m_txRandom->setEnabled(ownTone);
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_txTone, m_txInterval, m_txToneUp, m_txToneDown})
        w->setEnabled(ownTone && !m_txRandom->isChecked());
}

void CBatchChannelDlg::OnStartFocusLoss(QLineEdit* edit) {
    if (edit->text().isEmpty() && !m_startAtFocus.isEmpty())
        return edit->setText(m_startAtFocus);
    const int32_t v = NormaliseBatchStart(Text(edit), g_bandLimits);
    edit->setText(QString::fromStdString(FormatFrequencyText(v)));
}

void CBatchChannelDlg::OnRangeFocusLoss(QLineEdit* edit) {
    const int from = IntOf(m_from), to = IntOf(m_to);
    const int v = edit == m_from ? NormaliseRangeFrom(from, to) : NormaliseRangeTo(from, to);
    edit->setText(QString::number(v));
}

void CBatchChannelDlg::LimitWhileTyped(QLineEdit* edit, int maximum) {
    const std::string replacement = LimitWhileTyping(Text(edit), maximum);
    if (!replacement.empty())
        edit->setText(QString::fromStdString(replacement));
}

bool CBatchChannelDlg::eventFilter(QObject* object, QEvent* event) {
    auto* edit = qobject_cast<QLineEdit*>(object);
    if (!edit)
        return false;
    if (event->type() == QEvent::FocusIn)
        m_startAtFocus = edit->text();
    if (event->type() != QEvent::FocusOut ||
        static_cast<QFocusEvent*>(event)->reason() == Qt::PopupFocusReason)
        return false;
    if (edit == m_rxStart || edit == m_txStart)
        OnStartFocusLoss(edit);
    else if (edit == m_rxStep || edit == m_txStep)
        edit->setText(QString::fromStdString(NormaliseBatchStepText(Text(edit))));
    else
        OnRangeFocusLoss(edit);
    return false;
}

BatchSettings CBatchChannelDlg::ReadSettings() const {
    using Mode = BatchSettings::TxMode;
    BatchSettings s;
    s.first = m_all->isChecked() ? 1 : IntOf(m_from);
    s.last = m_all->isChecked() ? 256 : IntOf(m_to);
    s.rxStart = Text(m_rxStart);
    s.rxStep = Text(m_rxStep);
    s.rxDown = m_rxDown->isChecked();
    s.txMode = m_txOffset->isChecked() ? Mode::Offset
               : m_txOwn->isChecked()  ? Mode::OwnStart
                                       : Mode::SameAsRx;
    s.offset = Text(m_offset);
    s.offsetMinus = m_minus->isChecked();
    s.txStart = Text(m_txStart);
    s.txStep = Text(m_txStep);
    s.txDown = m_txDown->isChecked();
    s.rxTone = m_rxTone->currentIndex();
    s.rxToneRandom = m_rxRandom->isChecked();
    s.rxToneInterval = IntOf(m_rxInterval);
    s.rxToneDown = m_rxToneDown->isChecked();
    s.txToneOwn = m_txToneOwn->isChecked();
    s.txTone = m_txTone->currentIndex();
    s.txToneRandom = m_txRandom->isChecked();
    s.txToneInterval = IntOf(m_txInterval);
    s.txToneDown = m_txToneDown->isChecked();
    for (int i = 0; i < kChannelOptionCount; ++i)
        s.options[i] = m_options[i]->currentIndex();
    s.name = Text(m_name);
    s.nameByChannel = m_byChannel->isChecked();
    return s;
}

void CBatchChannelDlg::ApplyBatch() {
    // A start text that never lost the focus may lie outside both bands.
    for (QLineEdit* start : {m_rxStart, m_txStart})
        if (g_bandLimits.BandOf(ParseFrequencyText(Text(start))) == -1) {
            m_startAtFocus.clear();
            OnStartFocusLoss(start);
        }
    const auto seed = std::chrono::system_clock::now().time_since_epoch().count();
    std::mt19937 random(static_cast<uint32_t>(seed));
    GenerateChannels(g_image, g_bandLimits, ReadSettings(), [&random] { return random(); });
    m_view.LoadGrid();
}
