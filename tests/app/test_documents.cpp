#include "../image/test_helpers.h"
#include "../image/test_registry.h"
#include "app_test_support.h"

#include "app/app_globals.h"
#include "app/child_frame.h"
#include "app/doc_manager.h"
#include "app/main_frame.h"
#include "app/navigation_bar.h"
#include "channels/program_view.h"
#include "image/channel_record.h"
#include "image/new_document.h"

#include <QApplication>
#include <QFile>
#include <QMdiArea>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray ImageOf(const MemoryImage& image) {
    return ImageBytes(image, 0, kImageSize);
}

} // namespace

class TestDocuments : public QObject {
    Q_OBJECT
  private slots:
    void newTypeSaveOpenRoundTrip();
    void failedOpenChangesNothing_data();
    void failedOpenChangesNothing();
    void newAsksFirst();
    void closeHides();
    void writeKeyOpensTheWriteDialog();
    void readyWhenNoPrompt();
};

void TestDocuments::newTypeSaveOpenRoundTrip() {
    TestHome home;
    AutoResponder answers;
    CMainFrame frame;
    QVERIFY(frame.DocManager().NewDocument());
    CProgramView* view = frame.ActiveView();
    QVERIFY(view);
    view->CommitEditorText(1, kColRxFreq, "145.5");
    view->CommitEditorText(1, kColTxFreq, "145.0");
    view->CommitEditorText(1, kColRxTone, "88.5");
    view->CommitEditorText(130, kColRxFreq, "438.5");
    answers.fileNames << home.Path("first.dat");
    QVERIFY(frame.OnFileSave());
    const QByteArray saved = ReadAll(home.Path("first.dat"));
    QCOMPARE(saved.size(), kImageSize);
    QCOMPARE(saved, ImageOf(g_image));
    // The saved channel went through the commit: shift below, tone, band B entry.
    const ChannelRecord a1 = ChannelRecord::Load(g_image, 1);
    QCOMPARE(a1.Get(ChannelFieldId::ShiftDir), 1u);
    QCOMPARE(a1.Get(ChannelFieldId::ShiftOffset), 50000u);
    g_image.FillAll(0);
    answers.fileNames << home.Path("first.dat");
    frame.OnFileOpen();
    QCOMPARE(frame.Children().size(), 2);
    QCOMPARE(frame.ActiveView()->CellText(1, kColRxFreq), QString("145.50000"));
    QCOMPARE(frame.ActiveView()->CellText(130, kColRxFreq), QString("438.50000"));
    answers.fileNames << home.Path("second.dat");
    QVERIFY(frame.OnFileSaveAs());
    QCOMPARE(ReadAll(home.Path("second.dat")), saved);
    QCOMPARE(frame.windowTitle(), QString("写频软件"));
    QVERIFY(answers.messages.isEmpty());
}

void TestDocuments::failedOpenChangesNothing_data() {
    QTest::addColumn<int>("size"); // -1: missing
    QTest::newRow("short") << 100;
    QTest::newRow("empty") << 0;
    QTest::newRow("missing") << -1;
}

void TestDocuments::failedOpenChangesNothing() {
    QFETCH(int, size);
    TestHome home;
    AutoResponder answers;
    CMainFrame frame;
    QVERIFY(frame.DocManager().NewDocument());
    frame.ActiveView()->CommitEditorText(1, kColRxFreq, "150");
    const QByteArray before = ImageOf(g_image);
    if (size >= 0)
        QVERIFY(home.WriteFile("bad.dat", QByteArray(size, '\x11')));
    answers.fileNames << home.Path("bad.dat");
    frame.OnFileOpen();
    QCOMPARE(answers.messages.size(), 1);
    QVERIFY(answers.messages[0].contains("bad.dat"));
    QCOMPARE(frame.Children().size(), 1);
    QCOMPARE(ImageOf(g_image), before);
    QCOMPARE(frame.ActiveView()->CellText(1, kColRxFreq), QString("150.00000"));
}

void TestDocuments::newAsksFirst() {
    TestHome home;
    AutoResponder answers;
    CMainFrame frame;
    QVERIFY(frame.DocManager().NewDocument());
    frame.ActiveView()->CommitEditorText(1, kColRxFreq, "150");
    answers.answerOk = false;
    frame.OnFileNew();
    QCOMPARE(answers.questions, 1);
    QCOMPARE(frame.Children().size(), 1);
    QCOMPARE(frame.ActiveView()->CellText(1, kColRxFreq), QString("150.00000"));
    answers.answerOk = true;
    frame.OnFileNew();
    QCOMPARE(answers.questions, 2);
    QCOMPARE(frame.Children().size(), 1);
    QCOMPARE(frame.ActiveView()->CellText(1, kColRxFreq), QString());
    MemoryImage fresh;
    BuildNewDocumentImage(fresh, "/nonexistent");
    QCOMPARE(ImageOf(g_image), ImageOf(fresh));
}

void TestDocuments::closeHides() {
    TestHome home;
    CMainFrame frame;
    frame.show();
    QVERIFY(frame.DocManager().NewDocument());
    frame.ActiveView()->CommitEditorText(1, kColRxFreq, "150");
    frame.ActiveView()->CommitGrid();
    const QByteArray before = ImageOf(g_image);
    CChildFrame* child = frame.ActiveChild();
    frame.OnFileClose();
    QVERIFY(child->isHidden());
    QCOMPARE(frame.Children().size(), 1);
    QCOMPARE(ImageOf(g_image), before);
}

void TestDocuments::writeKeyOpensTheWriteDialog() {
    TestHome home;
    AutoResponder answers;
    CMainFrame frame;
    QVERIFY(frame.DocManager().NewDocument());
    frame.show();
    QVERIFY(QTest::qWaitForWindowActive(&frame));
    QString opened;
    QTimer::singleShot(0, [&opened] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            opened = dialog->windowTitle();
            dialog->close();
        }
    });
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_W, Qt::ControlModifier);
    QCOMPARE(opened, QString("写数据"));
}

void TestDocuments::readyWhenNoPrompt() {
    TestHome home;
    CMainFrame frame;
    frame.show();
    QCOMPARE(frame.statusBar()->currentMessage(), QString("就绪"));
    // Hovering a command shows its prompt; leaving it brings the idle text back.
    QStatusTipEvent prompt(frame.Action(32773)->statusTip());
    QApplication::sendEvent(&frame, &prompt);
    QCOMPARE(frame.statusBar()->currentMessage(), QString("从对讲机读取数据"));
    QStatusTipEvent left{QString()};
    QApplication::sendEvent(&frame, &left);
    QCOMPARE(frame.statusBar()->currentMessage(), QString("就绪"));
}

KESTRA_REGISTER_TEST(TestDocuments);
#include "test_documents.moc"
