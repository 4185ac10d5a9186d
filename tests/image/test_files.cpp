#include "test_helpers.h"
#include "test_registry.h"

#include "image/image_file.h"
#include "image/memory_image.h"
#include "image/new_document.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return path;
}

QByteArray Pattern(int size) {
    QByteArray bytes(size, 0);
    for (int i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 7 + i / 256) & 0xFF);
    return bytes;
}

std::filesystem::path P(const QString& path) {
    return path.toStdString();
}

} // namespace

class TestFiles : public QObject {
    Q_OBJECT
  private slots:
    void builtInDefaults();
    void defaultFile_data();
    void defaultFile();
    void load_data();
    void load();
    void saveRoundTrip();
    void failedSaveKeepsOldFile();
};

void TestFiles::builtInDefaults() {
    MemoryImage image;
    QVERIFY(!BuildNewDocumentImage(image, "/nonexistent/Default.dat"));
    // A directory in its place is no file either.
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("Default.dat"));
    MemoryImage fromDirectory;
    QVERIFY(!BuildNewDocumentImage(fromDirectory, P(dir.filePath("Default.dat"))));
    QVERIFY(fromDirectory == image);
    QByteArray record = Hex("ffffffffffffffffffffffff0038ff00000000010000ffffffffffffffffffff");
    for (int r = 0; r < 258; ++r) {
        QByteArray expected = record;
        if (r == 251) // B124 holds the default 0x0A at 0x1F77
            expected[23] = 0x0A;
        QCOMPARE(ImageBytes(image, r * 32, 32).toHex(), expected.toHex());
    }
    QCOMPARE(ImageBytes(image, 0x2040, 16).toHex(), QByteArray("1eff040404ff0501030e90288a0dffff"));
    QCOMPARE(ImageBytes(image, 0x2080, 4).toHex(), QByteArray("32040202"));
    QCOMPARE(ImageBytes(image, 0x20B0, 4).toHex(), QByteArray("010000ff"));
    QCOMPARE(ImageBytes(image, 0x20D8, 6).toHex(), QByteArray("0a45fa0aff0e"));
    QCOMPARE(ImageBytes(image, 0x20E0, 8).toHex(), QByteArray("0100000e010000ff"));
    QCOMPARE(int(image.Byte(0x20A8)), 0x0E);
    QCOMPARE(ImageBytes(image, 0x2E00, 0x200), QByteArray(0x200, char(0xFF)));
    QCOMPARE(ImageBytes(image, 0x3000, 0x1000), QByteArray(0x1000, char(0xFF)));
}

void TestFiles::defaultFile_data() {
    QTest::addColumn<int>("size");
    QTest::newRow("100 bytes, rest erased") << 100;
    QTest::newRow("exact size") << kImageSize;
    QTest::newRow("longer file, first 16384 bytes") << 20000;
    QTest::newRow("empty file, all erased") << 0;
}

void TestFiles::defaultFile() {
    QFETCH(int, size);
    QTemporaryDir dir;
    const QByteArray bytes = Pattern(size);
    const QString path = WriteFile(dir, "Default.dat", bytes);
    QVERIFY(!path.isEmpty());
    MemoryImage image;
    QVERIFY(BuildNewDocumentImage(image, P(path)));
    const int used = std::min(size, kImageSize);
    QCOMPARE(ImageBytes(image, 0, used), bytes.left(used));
    QCOMPARE(ImageBytes(image, used, kImageSize - used), QByteArray(kImageSize - used, char(0xFF)));
}

void TestFiles::load_data() {
    QTest::addColumn<int>("size"); // -1: no file, -2: a directory
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("error");
    QTest::newRow("exact") << kImageSize << true << int(FileError::None);
    QTest::newRow("longer loads first part") << 20000 << true << int(FileError::None);
    QTest::newRow("one byte short") << kImageSize - 1 << false << int(FileError::TooShort);
    QTest::newRow("empty") << 0 << false << int(FileError::TooShort);
    QTest::newRow("missing") << -1 << false << int(FileError::CannotOpen);
    QTest::newRow("directory") << -2 << false << int(FileError::CannotRead);
}

void TestFiles::load() {
    QFETCH(int, size);
    QFETCH(bool, ok);
    QFETCH(int, error);
    QTemporaryDir dir;
    QString path = dir.filePath("image.dat");
    const QByteArray bytes = Pattern(std::max(size, 0));
    if (size >= 0)
        QVERIFY(!WriteFile(dir, "image.dat", bytes).isEmpty());
    if (size == -2)
        QVERIFY(QDir(dir.path()).mkdir("image.dat"));
    MemoryImage image;
    image.FillAll(0x3C);
    const MemoryImage before = image;
    const FileResult result = LoadImageFile(P(path), image);
    QCOMPARE(result.ok(), ok);
    QCOMPARE(int(result.error), error);
    if (ok)
        QCOMPARE(ImageBytes(image, 0, kImageSize), bytes.left(kImageSize));
    else
        QVERIFY(image == before);
}

void TestFiles::saveRoundTrip() {
    QTemporaryDir dir;
    const QString path = dir.filePath("saved.dat");
    MemoryImage image;
    const QByteArray bytes = Pattern(kImageSize);
    PutBytes(image, 0, bytes);
    QVERIFY(!WriteFile(dir, "saved.dat", QByteArray(30000, 'x')).isEmpty());
    QVERIFY(SaveImageFile(P(path), image).ok());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), bytes);
    MemoryImage loaded;
    QVERIFY(LoadImageFile(P(path), loaded).ok());
    QVERIFY(loaded == image);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"saved.dat"});
}

void TestFiles::failedSaveKeepsOldFile() {
    // The temporary file cannot be created (its name is taken by a folder), so the save
    // fails before the old file is touched.
    QTemporaryDir dir;
    const QByteArray old = Pattern(kImageSize);
    const QString path = WriteFile(dir, "old.dat", old);
    QVERIFY(QDir(dir.path()).mkpath(".old.dat.saving/blocker"));
    MemoryImage image;
    const FileResult result = SaveImageFile(P(path), image);
    QVERIFY(!result.ok());
    QCOMPARE(int(result.error), int(FileError::CannotWrite));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), old);
    // A target that is a folder is refused and leaves no temporary file behind.
    const QString folder = dir.filePath("folder.dat");
    QVERIFY(QDir(dir.path()).mkpath("folder.dat/inside"));
    QVERIFY(!SaveImageFile(P(folder), image).ok());
    QVERIFY(!QFile::exists(dir.filePath(".folder.dat.saving")));
}

KESTRA_REGISTER_TEST(TestFiles);
#include "test_files.moc"
