#include "../image/test_registry.h"
#include "app_test_support.h"

#include "app/step_spin_edit.h"
#include "app/text_filter.h"
#include "service/spin_edit.h"

#include <QLineEdit>
#include <QTest>

#include <memory>

namespace {

enum class Host { Edit, StepSpin, SpinEdit };

// The widget that takes the focus and the line edit that holds the text.
struct Filtered {
    std::unique_ptr<QWidget> widget;
    QLineEdit* edit;
};

Filtered Make(Host host, const TextRule& rule) {
    if (host == Host::Edit) {
        auto* edit = new QLineEdit;
        CTextFilter::Install(edit, rule);
        return {std::unique_ptr<QWidget>(edit), edit};
    }
    if (host == Host::StepSpin) {
        auto* spin = new CStepSpinEdit(nullptr);
        CTextFilter::Install(spin->Edit(), rule);
        return {std::unique_ptr<QWidget>(spin), spin->Edit()};
    }
    auto* spin = new CSpinEdit(nullptr, 0, 0xFFFF, 16, rule);
    return {std::unique_ptr<QWidget>(spin), spin->findChild<QLineEdit*>()};
}

} // namespace

Q_DECLARE_METATYPE(Host)
Q_DECLARE_METATYPE(KeyFilter)

class TestTextFilter : public QObject {
    Q_OBJECT
  private slots:
    void everyInputPath_data();
    void everyInputPath();
    void programTextIsLeftAlone();
};

void TestTextFilter::everyInputPath_data() {
    QTest::addColumn<Host>("host");
    QTest::addColumn<Input>("how");
    QTest::addColumn<KeyFilter>("filter");
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    const struct {
        const char* name;
        Host host;
    } hosts[] = {
        {"edit", Host::Edit}, {"step spin", Host::StepSpin}, {"spin edit", Host::SpinEdit}};
    const struct {
        const char* name;
        Input how;
    } paths[] = {
        {"keys", Input::Keys}, {"paste", Input::Paste}, {"input method", Input::InputMethod}};
    for (const auto& host : hosts)
        for (const auto& path : paths) {
            const QString row = QString("%1, %2: ").arg(host.name, path.name);
            QTest::newRow(qPrintable(row + "third digit refused"))
                << host.host << path.how << KeyFilter::Digits << 2 << "456"
                << "45";
            QTest::newRow(qPrintable(row + "hex upper-cased, others dropped"))
                << host.host << path.how << KeyFilter::HexDigits << 4 << "zq-a1"
                << "A1";
            QTest::newRow(qPrintable(row + "printable ASCII only"))
                << host.host << path.how << KeyFilter::Printable << 7 << "CH频道12345"
                << "CH12345";
        }
}

void TestTextFilter::everyInputPath() {
    QFETCH(Host, host);
    QFETCH(Input, how);
    QFETCH(KeyFilter, filter);
    QFETCH(int, maxLength);
    QFETCH(QString, text);
    QFETCH(QString, shown);
    Filtered f = Make(host, {filter, maxLength});
    f.widget->show();
    f.widget->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.widget.get()));
    EnterText(f.widget.get(), text, how);
    QCOMPARE(f.edit->text(), shown);
    // Typing goes on where the filtered text ended.
    QCOMPARE(f.edit->cursorPosition(), shown.size());
}

void TestTextFilter::programTextIsLeftAlone() {
    Filtered f = Make(Host::Edit, {KeyFilter::ChannelLabel, 4});
    f.widget->show();
    QVERIFY(QTest::qWaitForWindowActive(f.widget.get()));
    f.edit->setText("A VFO");
    QTest::keyClick(f.edit, Qt::Key_End);
    QTest::keyClicks(f.edit, "1");
    QCOMPARE(f.edit->text(), QString("A VFO"));
    QTest::keyClick(f.edit, Qt::Key_Backspace);
    QCOMPARE(f.edit->text(), QString("A VF"));
    // In the middle of a text, a paste keeps what stands behind it.
    f.edit->setText("12");
    f.edit->setCursorPosition(1);
    EnterText(f.edit, "x9", Input::Paste);
    QCOMPARE(f.edit->text(), QString("192"));
    QCOMPARE(f.edit->cursorPosition(), 2);
}

KESTRA_REGISTER_TEST(TestTextFilter);
#include "test_text_filter.moc"
