#include "../app/app_test_support.h"
#include "../image/test_registry.h"

#include "app/doc_manager.h"
#include "app/main_frame.h"
#include "app/ui_language.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(UiLanguage)

// Which language the programs use: Program.ini's choice, else the system locale; the menu
// that stores the choice; the CLI's exchange messages in either language.
class TestLanguage : public QObject {
    Q_OBJECT
  private slots:
    void choice_data();
    void choice();
    void cliMessages_data();
    void cliMessages();
    void menuStoresTheChoice_data();
    void menuStoresTheChoice();
};
KESTRA_REGISTER_TEST(TestLanguage);

void TestLanguage::choice_data() {
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<UiLanguage>("language");
    QTest::newRow("zh over an English system") << "zh"
                                               << "en_US" << UiLanguage::Chinese;
    QTest::newRow("en over a Chinese system") << "en"
                                              << "zh_CN" << UiLanguage::English;
    QTest::newRow("empty, zh_CN") << ""
                                  << "zh_CN" << UiLanguage::Chinese;
    QTest::newRow("empty, zh_TW") << ""
                                  << "zh_TW" << UiLanguage::Chinese;
    QTest::newRow("empty, de_DE") << ""
                                  << "de_DE" << UiLanguage::English;
    QTest::newRow("empty, C") << ""
                              << "C" << UiLanguage::English;
    QTest::newRow("unknown value follows the system") << "fr"
                                                      << "zh_CN" << UiLanguage::Chinese;
}

void TestLanguage::choice() {
    QFETCH(QString, setting);
    QFETCH(QString, locale);
    QFETCH(UiLanguage, language);
    QCOMPARE(ChooseUiLanguage(setting.toStdString(), locale.toStdString()), language);
}

void TestLanguage::cliMessages_data() {
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<QString>("err");
    const QString chinese = "无法打开串口\nNo such file or directory\n";
    const QString english =
        "无法打开串口\nCannot open the serial port\nNo such file or directory\n";
    QTest::newRow("en in Program.ini")
        << QByteArray("[Setup]\nLanguage=en\n") << QByteArray("zh_CN.UTF-8") << english;
    QTest::newRow("zh in Program.ini")
        << QByteArray("[Setup]\nLanguage=zh\n") << QByteArray("en_US.UTF-8") << chinese;
    QTest::newRow("no choice, Chinese system")
        << QByteArray() << QByteArray("zh_CN.UTF-8") << chinese;
    QTest::newRow("empty choice, English system")
        << QByteArray("[Setup]\nLanguage=\n") << QByteArray("en_GB.UTF-8") << english;
}

// The first line stays the Chinese message, which scripts read; English follows it.
void TestLanguage::cliMessages() {
    QFETCH(QByteArray, ini);
    QFETCH(QByteArray, locale);
    QFETCH(QString, err);
    QTemporaryDir dir;
    if (!ini.isEmpty()) {
        QFile file(dir.filePath("Program.ini"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(ini) == ini.size());
    }
    QProcess cli;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("KESTRA_HOME", dir.path());
    env.insert("LC_ALL", locale);
    cli.setProcessEnvironment(env);
    cli.start(KESTRA_CLI_PATH,
              {"read", "--port", dir.filePath("no-port"), "-o", dir.filePath("out.dat")});
    QVERIFY(cli.waitForFinished(20000) && cli.exitStatus() == QProcess::NormalExit);
    QCOMPARE(cli.exitCode(), 1);
    QCOMPARE(QString::fromUtf8(cli.readAllStandardError()), err);
}

void TestLanguage::menuStoresTheChoice_data() {
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("stored");
    QTest::newRow("跟随系统") << 0 << "";
    QTest::newRow("中文") << 1 << "zh";
    QTest::newRow("English") << 2 << "en";
}

// The submenu under "设置" is clicked like a user would; the choice waits for the next start.
void TestLanguage::menuStoresTheChoice() {
    QFETCH(int, item);
    QFETCH(QString, stored);
    TestHome home;
    QVERIFY(home.WriteFile("Program.ini", "[Setup]\nLanguage=fr\n"));
    AutoResponder answers;
    CMainFrame frame;
    QVERIFY(frame.DocManager().NewDocument());
    QVERIFY(ShowActive(&frame));
    QMenu* settings = nullptr;
    for (QAction* action : frame.menuBar()->actions())
        if (action->text() == "设置")
            settings = action->menu();
    QVERIFY(settings);
    QMenu* languages = settings->actions().last()->menu();
    QVERIFY(languages);
    QCOMPARE(languages->title(), QString("语言 / Language"));
    const QList<QAction*> items = languages->actions();
    QCOMPARE(items.size(), 3);
    QVERIFY(items[0]->isChecked()); // an unknown value follows the system
    languages->popup(frame.mapToGlobal(QPoint(10, 10)));
    QVERIFY(QTest::qWaitForWindowExposed(languages));
    QTest::mouseClick(languages, Qt::LeftButton, {},
                      languages->actionGeometry(items[item]).center());
    QTRY_COMPARE(answers.messages.size(), 1);
    QCOMPARE(answers.messages[0], QString("界面语言将在下次启动程序时更改。"));
    QFile file(home.Path("Program.ini"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(file.readAll()), "[Setup]\nLanguage=" + stored + "\n");
    for (int i = 0; i < 3; ++i)
        QCOMPARE(items[i]->isChecked(), i == item);
}

#include "test_language.moc"
