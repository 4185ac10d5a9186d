#include "../image/test_helpers.h"
#include "../image/test_registry.h"

#include "app/app_globals.h"
#include "app/main_frame.h"
#include "app/program_app.h"
#include "app/startup_splash_wnd.h"
#include "image/new_document.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMdiArea>
#include <QTemporaryDir>
#include <QTest>

namespace {

enum Place { Program = 1, Config, Installed };

// A program directory, a configuration home (XDG_CONFIG_HOME) and the installed data directory
// beside the test executable, removed again afterwards.
class DataHomes {
  public:
    DataHomes() {
        qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
        qunsetenv("KESTRA_HOME");
        g_exeDir = m_program.path() + '/';
    }
    ~DataHomes() {
        QDir(InstalledDir()).removeRecursively();
        qunsetenv("XDG_CONFIG_HOME");
        qunsetenv("KESTRA_HOME");
        g_exeDir.clear();
    }
    static QString InstalledDir() {
        return QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../share/kestra") + '/';
    }
    QString Dir(Place place) const {
        return QStringList{g_exeDir, m_config.path() + "/kestra/", InstalledDir()}.at(place - 1);
    }
    bool Put(Place place, const QString& name, const QByteArray& bytes) const {
        QDir().mkpath(Dir(place));
        QFile file(Dir(place) + name);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }
    void Confine() const { qputenv("KESTRA_HOME", m_program.path().toUtf8()); }

  private:
    QTemporaryDir m_program;
    QTemporaryDir m_config;
};

QByteArray Bitmap(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return buffer.data();
}

// The size of the splash window on screen; invalid when there is none.
QSize SplashSize() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (qobject_cast<CStartupSplashWnd*>(widget))
            return widget->size();
    return {};
}

} // namespace

class TestDataFiles : public QObject {
    Q_OBJECT
  private slots:
    void lookupOrder_data();
    void lookupOrder();
    void installedStartUpUsesUserAndDataDirectories();
};

// A data file is looked up in the program directory, the user's and the installed data
// directory in turn; the settings go to the user's directory once an installed data directory
// exists. The program directories here are writable, as an installed one is to root.
void TestDataFiles::lookupOrder_data() {
    QTest::addColumn<QList<int>>("holders"); // places holding the file, negative: a directory
    QTest::addColumn<bool>("confined");      // KESTRA_HOME set
    QTest::addColumn<int>("found");
    QTest::addColumn<int>("settings"); // where Program.ini goes
    const auto row = [](const char* name, QList<int> holders, bool confined, Place found,
                        Place settings) {
        QTest::newRow(name) << holders << confined << int(found) << int(settings);
    };
    row("program directory first", {Program, Config, Installed}, false, Program, Config);
    row("user's before installed", {Config, Installed}, false, Config, Config);
    row("installed last", {Installed}, false, Installed, Config);
    row("nowhere: program directory, own copy", {}, false, Program, Program);
    row("KESTRA_HOME only", {Config, Installed}, true, Program, Program);
    row("a directory is no file", {-Program, Config}, false, Config, Program);
}

void TestDataFiles::lookupOrder() {
    QFETCH(QList<int>, holders);
    QFETCH(bool, confined);
    QFETCH(int, found);
    QFETCH(int, settings);
    DataHomes homes;
    if (confined)
        homes.Confine();
    for (int place : holders)
        QVERIFY(place > 0 ? homes.Put(Place(place), "Default.dat", "x")
                          : QDir().mkpath(homes.Dir(Place(-place)) + "Default.dat"));
    QCOMPARE(DataFilePath("Default.dat"), homes.Dir(Place(found)) + "Default.dat");
    QCOMPARE(ProgramIniPath(), homes.Dir(Place(settings)) + "Program.ini");
}

// An installed copy started with its files in the user's directory and the data directory:
// the new document, the splash and the background come from there, the settings go to the
// user's directory and nothing is written beside the executable.
void TestDataFiles::installedStartUpUsesUserAndDataDirectories() {
    DataHomes homes;
    MemoryImage expected;
    BuildNewDocumentImage(expected, "");
    const int marked = 0x3E00; // decoder thresholds: nothing rewrites them at start-up
    expected.SetByte(marked, expected.Byte(marked) ^ 0xFF);
    QVERIFY(homes.Put(Config, "Default.dat", ImageBytes(expected, 0, kImageSize)));
    QVERIFY(homes.Put(Config, "background.bmp", Bitmap(6, 5)));
    QVERIFY(homes.Put(Installed, "startup.bmp", Bitmap(4, 3)));

    const QString beside = QCoreApplication::applicationDirPath() + "/Program.ini";
    QFile::remove(beside); // left by an earlier, failed run
    CProgramApp app;
    QVERIFY(app.InitInstance(QString()));
    QCOMPARE(g_image.Byte(marked), expected.Byte(marked));
    QVERIFY(app.SplashShown());
    QCOMPARE(SplashSize(), QSize(4, 3));
    QTRY_VERIFY(!SplashSize().isValid()); // it removes itself once the loop runs
    QCOMPARE(app.MainFrame()->MdiArea()->background().texture().size(), QSize(6, 5));
    QVERIFY(QFile::exists(homes.Dir(Config) + "Program.ini"));
    QVERIFY(!QFile::exists(beside));
}

KESTRA_REGISTER_TEST(TestDataFiles);
#include "test_data_files.moc"
