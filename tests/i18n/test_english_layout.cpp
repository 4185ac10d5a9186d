#include "../app/app_test_support.h"
#include "../image/test_registry.h"

#include "app/about_info_dlg.h"
#include "app/app_globals.h"
#include "app/compare_dlg.h"
#include "app/doc_manager.h"
#include "app/main_frame.h"
#include "app/port_dlg.h"
#include "app/radio_info_dlg.h"
#include "app/transfer_dlg.h"
#include "channels/batch_channel_dlg.h"
#include "channels/channel_edit_dlg.h"
#include "channels/program_view.h"
#include "service/dtmf_decoder_init_dlg.h"
#include "service/parameter_adjust_dlg.h"
#include "service/service_password_dlg.h"
#include "settings/dtmf_dlg.h"
#include "settings/fm_receiver_dlg.h"
#include "settings/model_info_dlg.h"
#include "settings/optional_features_dlg.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QTranslator>

#include <functional>
#include <memory>

namespace {

using MakeWindow = std::function<std::unique_ptr<QWidget>(CMainFrame&)>;

// Each window the user meets, built as the program builds it.
const QList<QPair<const char*, MakeWindow>>& Windows() {
    static const QList<QPair<const char*, MakeWindow>> windows = {
        {"channel edit",
         [](CMainFrame&) { return std::make_unique<CChannelEditDlg>(nullptr, 1, "145.00000"); }},
        {"batch",
         [](CMainFrame& f) {
             return std::make_unique<CBatchChannelDlg>(*f.ActiveView(), nullptr);
         }},
        {"optional features",
         [](CMainFrame&) { return std::make_unique<COptionalFeaturesDlg>(g_image, nullptr); }},
        {"DTMF", [](CMainFrame&) { return std::make_unique<CDtmfDlg>(g_image, nullptr); }},
        {"FM receiver",
         [](CMainFrame&) { return std::make_unique<CFmReceiverDlg>(nullptr, g_image); }},
        {"model",
         [](CMainFrame&) {
             return std::make_unique<CModelInfoDlg>(nullptr, g_image, g_bandLimits,
                                                    QString("SIMRADIO"));
         }},
        {"port",
         [](CMainFrame&) {
             return std::make_unique<CPortDlg>(nullptr, [](const std::string&) { return false; });
         }},
        {"transfer",
         [](CMainFrame&) {
             return std::make_unique<CTransferDlg>(nullptr, CTransferDlg::Kind::Write);
         }},
        {"radio info", [](CMainFrame&) { return std::make_unique<CRadioInfoDlg>(nullptr); }},
        {"about", [](CMainFrame&) { return std::make_unique<CAboutInfoDlg>(nullptr); }},
        {"service password",
         [](CMainFrame&) { return std::make_unique<CServicePasswordDlg>(nullptr); }},
        {"parameter adjust",
         [](CMainFrame&) {
             return std::make_unique<CParameterAdjustDlg>(nullptr, g_image, g_bandLimits);
         }},
        {"DTMF decoder init",
         [](CMainFrame&) { return std::make_unique<CDtmfDecoderInitDlg>(nullptr, g_image); }},
        {"compare",
         [](CMainFrame&) {
             return std::make_unique<CCompareDlg>(nullptr, QString("other.dat"),
                                                  QStringList{"0x2040 txTimeLimit: 30 -> 60"});
         }},
    };
    return windows;
}

QString Text(const QWidget* w) {
    if (auto* label = qobject_cast<const QLabel*>(w))
        return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(w))
        return button->text();
    if (auto* box = qobject_cast<const QGroupBox*>(w))
        return box->title();
    return {};
}

// The visible texts of `window` that do not fit their widget or are still Chinese.
QStringList Problems(QWidget* window) {
    static const QRegularExpression kChinese("[\\x{4e00}-\\x{9fff}]");
    QStringList problems;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const QString text = Text(w);
        if (text.isEmpty() || !w->isVisibleTo(window))
            continue;
        // A group box may get less than it prefers for its contents; its title must fit.
        const QSize hint = qobject_cast<QGroupBox*>(w) ? w->minimumSizeHint() : w->sizeHint();
        if (hint.width() > w->width() || hint.height() > w->height())
            problems << QString("cut: \"%1\" needs %2x%3, has %4x%5")
                            .arg(text)
                            .arg(hint.width())
                            .arg(hint.height())
                            .arg(w->width())
                            .arg(w->height());
        if (text.contains(kChinese))
            problems << QString("untranslated: \"%1\"").arg(text);
    }
    return problems;
}

// Problems on every page of the window's tab widgets.
QStringList ProblemsOnEveryPage(QWidget* window) {
    QStringList problems = Problems(window);
    for (QTabWidget* tabs : window->findChildren<QTabWidget*>())
        for (int i = 1; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            QApplication::processEvents();
            problems += Problems(window);
        }
    return problems;
}

} // namespace

// Every window in English, offscreen: each label, button and group title fits its widget and
// none stays Chinese.
class TestEnglishLayout : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void cleanupTestCase();
    void mainWindow();
    void dialogs_data();
    void dialogs();

  private:
    QTranslator m_english;
};
KESTRA_REGISTER_TEST(TestEnglishLayout);

void TestEnglishLayout::initTestCase() {
    QVERIFY(m_english.load(":/i18n/kestra_en.qm"));
    QVERIFY(QCoreApplication::installTranslator(&m_english));
}

void TestEnglishLayout::cleanupTestCase() {
    QCoreApplication::removeTranslator(&m_english);
}

void TestEnglishLayout::mainWindow() {
    TestHome home;
    AutoResponder answers;
    CMainFrame frame;
    QVERIFY(frame.DocManager().NewDocument());
    QVERIFY(ShowActive(&frame));
    const QStringList problems = Problems(&frame);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
}

void TestEnglishLayout::dialogs_data() {
    QTest::addColumn<int>("window");
    for (int i = 0; i < Windows().size(); ++i)
        QTest::newRow(Windows()[i].first) << i;
}

void TestEnglishLayout::dialogs() {
    QFETCH(int, window);
    TestHome home;
    AutoResponder answers;
    CMainFrame frame;
    QVERIFY(frame.DocManager().NewDocument());
    std::unique_ptr<QWidget> dialog = Windows()[window].second(frame);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    const QStringList problems = ProblemsOnEveryPage(dialog.get());
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
}

#include "test_english_layout.moc"
