#include "../app/app_test_support.h"
#include "../image/test_registry.h"

#include "app/app_globals.h"
#include "app/doc_manager.h"
#include "app/main_frame.h"
#include "channels/program_view.h"
#include "service/service_password_dlg.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

namespace {

// Types `entry` into the prompt once it is up and presses OK.
void AnswerPrompt(const QString& entry) {
    QTimer::singleShot(0, [entry] {
        auto* dialog = qobject_cast<CServicePasswordDlg*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        QTest::keyClicks(dialog->PasswordEdit(), entry);
        dialog->OnOk();
    });
}

QList<int> EditMenuIds(const CMainFrame& frame) {
    QList<int> ids;
    QMenu* edit = frame.menuBar()->actions().value(1)->menu();
    for (QAction* action : edit->actions())
        ids << action->data().toInt();
    return ids;
}

// Triggers the action and reports the class of the modal dialog it opened (closed at once).
QString DialogOpenedBy(QAction* action) {
    QString opened;
    QTimer::singleShot(0, [&opened] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            opened = modal->metaObject()->className();
            qobject_cast<QDialog*>(modal)->reject();
        }
    });
    action->trigger();
    return opened;
}

void PressServiceKey(CProgramView* view) {
    QTest::keyClick(view->Grid(), Qt::Key_F11, Qt::ControlModifier);
}

} // namespace

class TestServicePassword : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() { g_serviceMode = false; }
    void prompt_data();
    void prompt();
    void ninthCharacterRefused();
    void serviceModeOpensOnce();
    void serviceKeyFromACellEditor();
};

void TestServicePassword::prompt_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("accepted");
    // The matching rule itself is covered in TestServiceRules; this checks the dialog's wiring.
    QTest::newRow("lower case") << "kzp730" << true;
    QTest::newRow("wrong") << "KZP731" << false;
    QTest::newRow("empty") << "" << false;
}

void TestServicePassword::prompt() {
    QFETCH(QString, entry);
    QFETCH(bool, accepted);
    AutoResponder answers;
    CServicePasswordDlg dialog(nullptr);
    QCOMPARE(dialog.PasswordEdit()->echoMode(), QLineEdit::Password);
    AnswerPrompt(entry);
    const int result = dialog.exec();
    QCOMPARE(result == QDialog::Accepted, accepted);
    QVERIFY(answers.messages.isEmpty());
}

void TestServicePassword::ninthCharacterRefused() {
    CServicePasswordDlg dialog(nullptr);
    QTest::keyClicks(dialog.PasswordEdit(), "KZP730123");
    QCOMPARE(dialog.PasswordEdit()->text(), QString("KZP73012"));
}

void TestServicePassword::serviceModeOpensOnce() {
    TestHome home;
    AutoResponder answers;
    g_serviceMode = false;
    CMainFrame frame;
    QVERIFY(frame.DocManager().NewDocument());
    CProgramView* view = frame.ActiveView();
    QVERIFY(view);
    const QList<int> plain = EditMenuIds(frame);
    QVERIFY(!plain.contains(32807) && !plain.contains(32808));
    QVERIFY(view->InitialiseButton()->isHidden());

    AnswerPrompt("nope");
    PressServiceKey(view);
    QCOMPARE(EditMenuIds(frame), plain);
    QVERIFY(view->InitialiseButton()->isHidden());

    AnswerPrompt("kzp730");
    PressServiceKey(view);
    const QList<int> service = plain + QList<int>{32807, 32808};
    QCOMPARE(EditMenuIds(frame), service);
    QVERIFY(!view->InitialiseButton()->isHidden());

    AnswerPrompt("KZP730");
    PressServiceKey(view);
    QCOMPARE(EditMenuIds(frame), service);

    // A new document rebuilds the menus and brings a new view: both keep the service mode.
    const QPointer<CProgramView> first = view;
    frame.OnFileNew();
    QTRY_VERIFY(!first && frame.ActiveView());
    QCOMPARE(EditMenuIds(frame), service);
    QVERIFY(!frame.ActiveView()->InitialiseButton()->isHidden());
    QVERIFY(answers.messages.isEmpty());

    QCOMPARE(DialogOpenedBy(frame.Action(32807)), QString("CParameterAdjustDlg"));
    QCOMPARE(DialogOpenedBy(frame.Action(32808)), QString("CDtmfDecoderInitDlg"));
}

void TestServicePassword::serviceKeyFromACellEditor() {
    TestHome home;
    AutoResponder answers;
    CProgramView view;
    view.SetCurrentCell(3, 1);
    view.ShowCellEditor();
    QWidget* editor = view.Grid()->indexWidget(view.Grid()->currentIndex());
    QVERIFY(editor);
    AnswerPrompt("KZP730");
    QTest::keyClick(editor, Qt::Key_F11, Qt::ControlModifier);
    QVERIFY(g_serviceMode);
    QVERIFY(!view.InitialiseButton()->isHidden());
}

KESTRA_REGISTER_TEST(TestServicePassword);
#include "test_service_password.moc"
