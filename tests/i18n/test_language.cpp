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
#include <QTest>

#include <tuple>

// Which language the programs use: Program.ini's choice, else the system locale; the menu
// that stores the choice; the CLI's exchange messages in either language.
class TestLanguage : public QObject {
    Q_OBJECT
  private slots:
    void choice();
    void cliMessages();
    void menuStoresTheChoice();
};
KESTRA_REGISTER_TEST(TestLanguage);

void TestLanguage::choice() {
    // Program.ini's setting, the system locale, the language chosen.
    const std::tuple<const char*, const char*, UiLanguage> rows[] = {
        {"zh", "en_US", UiLanguage::Chinese}, {"en", "zh_CN", UiLanguage::English},
        {"", "zh_TW", UiLanguage::Chinese},   {"", "de_DE", UiLanguage::English},
        {"fr", "zh_CN", UiLanguage::Chinese}, // an unknown value follows the system
    };
    for (const auto& [setting, locale, language] : rows)
        QCOMPARE(ChooseUiLanguage(setting, locale), language);
}

// The first line stays the Chinese message, which scripts read; English follows it.
void TestLanguage::cliMessages() {
    const QString chinese = "无法打开串口\nNo such file or directory\n";
    const QString english =
        "无法打开串口\nCannot open the serial port\nNo such file or directory\n";
    // Program.ini's choice, the system locale, what the CLI writes to standard error.
    const std::tuple<const char*, const char*, QString> rows[] = {
        {"en", "zh_CN.UTF-8", english},
        {"zh", "en_US.UTF-8", chinese},
        {"", "zh_CN.UTF-8", chinese},
    };
    for (const auto& [choice, locale, err] : rows) {
        TestHome home;
        QVERIFY(home.WriteFile("Program.ini", "[Setup]\nLanguage=" + QByteArray(choice) + "\n"));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("LC_ALL", locale);
        QProcess cli;
        cli.setProcessEnvironment(env);
        cli.start(KESTRA_CLI_PATH,
                  {"read", "--port", home.Path("no-port"), "-o", home.Path("out.dat")});
        QVERIFY(cli.waitForFinished(20000) && cli.exitStatus() == QProcess::NormalExit);
        QCOMPARE(cli.exitCode(), 1);
        QCOMPARE(choice + QString::fromUtf8(cli.readAllStandardError()), choice + err);
    }
}

// The submenu under "设置" is clicked like a user would; the choice waits for the next start.
void TestLanguage::menuStoresTheChoice() {
    for (auto [item, stored] : {std::pair{0, ""}, {1, "zh"}, {2, "en"}}) {
        TestHome home;
        QVERIFY(home.WriteFile("Program.ini", "[Setup]\nLanguage=fr\n"));
        AutoResponder answers;
        CMainFrame frame;
        QVERIFY(frame.DocManager().NewDocument());
        QVERIFY(ShowActive(&frame));
        QMenu* languages = nullptr;
        for (QAction* action : frame.menuBar()->actions())
            if (action->text() == "设置")
                languages = action->menu()->actions().last()->menu();
        QVERIFY(languages);
        QCOMPARE(languages->title(), QString("语言 / Language"));
        const QList<QAction*> items = languages->actions();
        QCOMPARE(items.size(), 3);
        QVERIFY(items[0]->isChecked()); // an unknown value follows the system
        languages->popup(frame.mapToGlobal(QPoint(10, 10)));
        QVERIFY(QTest::qWaitForWindowExposed(languages));
        QTest::mouseClick(languages, Qt::LeftButton, {},
                          languages->actionGeometry(items[item]).center());
        QTRY_COMPARE(answers.messages, QStringList{"界面语言将在下次启动程序时更改。"});
        QFile file(home.Path("Program.ini"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), "[Setup]\nLanguage=" + QByteArray(stored) + "\n");
        for (int i = 0; i < 3; ++i)
            QCOMPARE(items[i]->isChecked(), i == item);
    }
}

#include "test_language.moc"
