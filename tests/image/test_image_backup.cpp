#include "test_helpers.h"
#include "test_registry.h"

#include "image/image_backup.h"

#include <QDir>
#include <QTemporaryDir>

#include <ctime>

namespace {

constexpr std::time_t k20261207At153012 = 1796657412; // UTC

bool Touch(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly);
}

} // namespace

// Backup names, the folder they go to, and which of them a prune keeps.
class TestImageBackup : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        qputenv("TZ", "UTC");
        tzset();
    }

    void names() {
        QCOMPARE(Q(BackupFileName(k20261207At153012, BackupKind::Read)),
                 QString("20261207-153012-read.dat"));
        QCOMPARE(Q(BackupFileName(k20261207At153012 + 1, BackupKind::Calibration)),
                 QString("20261207-153013-calibration.dat"));
        QCOMPARE(Q(BackupFileName(k20261207At153012, BackupKind::DtmfDecoder)),
                 QString("20261207-153012-dtmf-decoder.dat"));
    }

    void directory() {
        const QByteArray saved = qgetenv("KESTRA_HOME");
        const std::tuple<const char*, const char*, const char*, const char*> rows[] = {
            {"/k", "/x", "/h", "/k/backups"},
            {"", "/x", "/h", "/x/kestra/backups"},
            {"", "", "/h", "/h/.local/share/kestra/backups"},
        };
        for (const auto& [kestra, xdg, home, expected] : rows) {
            qputenv("KESTRA_HOME", kestra);
            qputenv("XDG_DATA_HOME", xdg);
            qputenv("HOME", home);
            QCOMPARE(Q(BackupDirectory().string()), QString(expected));
        }
        qputenv("KESTRA_HOME", saved);
    }

    void saveAndPrune() {
        QTemporaryDir dir;
        const QString folder = dir.filePath("backups");
        QVERIFY(QDir().mkpath(folder));
        // 52 read and decoder backups a day apart, older than any new one, three calibration
        // backups older still, and files this program did not write.
        QStringList names;
        for (int day = 1; day <= 26; ++day)
            for (const char* kind : {"read", "dtmf-decoder"})
                names << QString("202611%1-120000-%2.dat").arg(day, 2, 10, QChar('0')).arg(kind);
        names << "20200101-000000-calibration.dat"
              << "20200102-000000-calibration.dat"
              << "20200103-000000-calibration-2.dat"
              << "notes.txt"
              << "20200101-000000-x.dat";
        for (const QString& name : names)
            QVERIFY(Touch(folder + "/" + name));
        MemoryImage image;
        image.SetByte(0x1234, 0x56);
        const BackupResult first =
            SaveBackup(image, BackupKind::Read, folder.toStdString(), k20261207At153012);
        const BackupResult second =
            SaveBackup(image, BackupKind::Read, folder.toStdString(), k20261207At153012);
        QCOMPARE(Q(first.path.filename().string()), QString("20261207-153012-read.dat"));
        QCOMPARE(Q(second.path.filename().string()), QString("20261207-153012-read-2.dat"));
        QFile written(Q(second.path.string()));
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), ImageBytes(image, 0, kImageSize));
        // 54 removable backups: the oldest four go, everything else stays.
        const QStringList left = QDir(folder).entryList(QDir::Files, QDir::Name);
        QCOMPARE(left.size(), names.size() + 2 - 4);
        for (const char* gone : {"20261101-120000-read.dat", "20261101-120000-dtmf-decoder.dat",
                                 "20261102-120000-read.dat", "20261102-120000-dtmf-decoder.dat"})
            QVERIFY2(!left.contains(gone), gone);
        for (const char* kept :
             {"20200101-000000-calibration.dat", "20200103-000000-calibration-2.dat", "notes.txt",
              "20261103-120000-read.dat", "20261207-153012-read.dat"})
            QVERIFY2(left.contains(kept), kept);
    }

    void failureIsReported() {
        QTemporaryDir dir;
        QVERIFY(Touch(dir.filePath("file")));
        const BackupResult result =
            SaveBackup(MemoryImage(), BackupKind::Read, dir.filePath("file/backups").toStdString(),
                       k20261207At153012);
        QVERIFY(result.path.empty());
        QVERIFY(Q(result.error).startsWith("cannot make "));
    }
};
KESTRA_REGISTER_TEST(TestImageBackup);

#include "test_image_backup.moc"
