#include "test_helpers.h"
#include "test_registry.h"

#include "image/image_history.h"

// Undo and redo as runs of changed bytes, the step limit, and the modified state.
class TestImageHistory : public QObject {
    Q_OBJECT
  private slots:
    void undoRedo() {
        ImageHistory history;
        MemoryImage image;
        const MemoryImage blank = image;
        // Step one changes two separate runs (the first and the last byte); step two one.
        MemoryImage before = image;
        PutBytes(image, 0, Hex("0102"));
        image.SetByte(kImageSize - 1, 0x33);
        history.Record("one", before, image);
        const MemoryImage afterOne = image;
        before = image;
        PutBytes(image, 1, Hex("aabb"));
        history.Record("two", before, image);
        history.Record("nothing", image, image);
        QCOMPARE(Q(history.UndoName()), QString("two"));
        QVERIFY(history.Undo(image));
        QCOMPARE(ImageBytes(image, 0, kImageSize), ImageBytes(afterOne, 0, kImageSize));
        QCOMPARE(Q(history.RedoName() + "/" + history.UndoName()), QString("two/one"));
        QVERIFY(history.Undo(image));
        QCOMPARE(ImageBytes(image, 0, kImageSize), ImageBytes(blank, 0, kImageSize));
        QVERIFY(!history.Undo(image) && !history.CanUndo());
        QVERIFY(history.Redo(image) && history.Redo(image) && !history.Redo(image));
        QCOMPARE(ImageBytes(image, 0, 3), Hex("01aabb"));
        // A new step after an undo forgets what could be redone.
        QVERIFY(history.Undo(image));
        before = image;
        image.SetByte(5, 5);
        history.Record("three", before, image);
        QVERIFY(!history.CanRedo());
        QCOMPARE(Q(history.UndoName()), QString("three"));
        history.Clear();
        QVERIFY(!history.CanUndo() && !history.CanRedo());
    }

    void limit() {
        ImageHistory history(100);
        MemoryImage image;
        for (int i = 0; i < 101; ++i) {
            const MemoryImage before = image;
            image.SetByte(i, 1);
            history.Record(std::to_string(i), before, image);
        }
        int undone = 0;
        while (history.Undo(image))
            ++undone;
        QCOMPARE(undone, 100);
        QCOMPARE(image.Byte(0), uint8_t(1)); // the oldest step is gone, its change stays
        QCOMPARE(image.Byte(1), uint8_t(0));
    }

    void modified() {
        CleanImage clean;
        MemoryImage image;
        clean.Mark(image);
        QVERIFY(!clean.IsModified(image));
        image.SetByte(kImageSize - 1, 1);
        QVERIFY(clean.IsModified(image));
        image.SetByte(kImageSize - 1, 0);
        QVERIFY(!clean.IsModified(image));
    }
};
KESTRA_REGISTER_TEST(TestImageHistory);

#include "test_image_history.moc"
