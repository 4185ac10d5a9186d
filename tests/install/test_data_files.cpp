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

enum Place { Program, Config, Installed };

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
        switch (place) {
        case Program:
            return g_exeDir;
        case Config:
            return m_config.path() + "/kestra/";
        case Installed:
            return InstalledDir();
        }
        return {};
    }
    bool Put(Place place, const QString& name, const QByteArray& bytes) const {
        QDir().mkpath(Dir(place));
        QFile file(Dir(place) + name);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }
    void MakeInstalledCopy() const { QDir().mkpath(InstalledDir()); }
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
    void directoryIsNoFile();
    void settingsFile_data();
    void settingsFile();
    void installedStartUpUsesUserAndDataDirectories();
};

void TestDataFiles::lookupOrder_data() {
    QTest::addColumn<QList<int>>("holders");
    QTest::addColumn<bool>("confined");
    QTest::addColumn<int>("found");
    QTest::newRow("program directory first")
        << QList<int>{Program, Config, Installed} << false << int(Program);
    QTest::newRow("user's before installed")
        << QList<int>{Config, Installed} << false << int(Config);
    QTest::newRow("installed last") << QList<int>{Installed} << false << int(Installed);
    QTest::newRow("nowhere: program directory") << QList<int>{} << false << int(Program);
    QTest::newRow("KESTRA_HOME only") << QList<int>{Config, Installed} << true << int(Program);
}

void TestDataFiles::lookupOrder() {
    QFETCH(QList<int>, holders);
    QFETCH(bool, confined);
    QFETCH(int, found);
    DataHomes homes;
    if (confined)
        homes.Confine();
    for (int place : holders)
        QVERIFY(homes.Put(Place(place), "Default.dat", "x"));
    QCOMPARE(DataFilePath("Default.dat"), homes.Dir(Place(found)) + "Default.dat");
}

void TestDataFiles::directoryIsNoFile() {
    DataHomes homes;
    QVERIFY(QDir().mkpath(homes.Dir(Program) + "startup.bmp"));
    QVERIFY(homes.Put(Config, "startup.bmp", "x"));
    QCOMPARE(DataFilePath("startup.bmp"), homes.Dir(Config) + "startup.bmp");
}

void TestDataFiles::settingsFile_data() {
    QTest::addColumn<bool>("installed");
    QTest::addColumn<bool>("confined");
    QTest::addColumn<int>("place");
    QTest::newRow("own copy") << false << false << int(Program);
    QTest::newRow("installed copy") << true << false << int(Config);
    QTest::newRow("installed, KESTRA_HOME") << true << true << int(Program);
}

// The program directories here are writable, as an installed one is to root.
void TestDataFiles::settingsFile() {
    QFETCH(bool, installed);
    QFETCH(bool, confined);
    QFETCH(int, place);
    DataHomes homes;
    if (installed)
        homes.MakeInstalledCopy();
    if (confined)
        homes.Confine();
    QCOMPARE(ProgramIniPath(), homes.Dir(Place(place)) + "Program.ini");
}

// An installed copy started with its files in the user's directory and the data directory:
// the new document, the splash and the background come from there, the settings go to the
// user's directory and nothing is written beside the executable.
void TestDataFiles::installedStartUpUsesUserAndDataDirectories() {
    DataHomes homes;
    homes.MakeInstalledCopy();
    MemoryImage expected;
    BuildNewDocumentImage(expected, "");
    const int marked = 0x3E00; // decoder thresholds: nothing rewrites them at start-up
    expected.SetByte(marked, expected.Byte(marked) ^ 0xFF);
    QByteArray image(kImageSize, '\0');
    for (int i = 0; i < image.size(); ++i)
        image[i] = char(expected.Byte(i));
    QVERIFY(homes.Put(Config, "Default.dat", image));
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
