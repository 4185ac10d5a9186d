#include "../image/test_helpers.h"
#include "../image/test_registry.h"
#include "settings_test_support.h"

#include "app/text_filter.h"
#include "image/dtmf_text.h"
#include "image/field_codec.h"

#include <QTest>

class TestFieldCodec : public QObject {
    Q_OBJECT
  private slots:
    void roundTrip_data();
    void roundTrip();
    void otherBitsSurvive_data();
    void otherBitsSurvive();
    void storeAfterEditing_data();
    void storeAfterEditing();
};

void TestFieldCodec::roundTrip_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QByteArray>("before"); // at the field's first byte
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QByteArray>("after");
    auto row = [](const char* name, const char* table, const char* field, const char* before,
                  const QString& shown, const char* after) {
        QTest::newRow(name) << table << field << Hex(before) << shown << Hex(after);
    };
    // Optional features.
    row("time limit 30 falls back to item 30", "features", "txTimeLimit", "1e", "30", "01");
    row("squelch 12 falls back to 4", "features", "squelch", "0c", "4", "04");
    row("squelch 7", "features", "squelch", "07", "7", "07");
    row("backlight time 0 shows 1", "features", "backlightTime", "00", "1", "00");
    row("backlight time 9 shows 10", "features", "backlightTime", "09", "10", "09");
    row("backlight time 10 falls back to 5", "features", "backlightTime", "0a", "5", "04");
    row("vox level 12 falls back to 4", "features", "voxLevel", "0c", "4", "03");
    row("step 9 falls back to 12.5", "features", "step", "09", "12.5", "04");
    row("vox delay 7 falls back to 3", "features", "voxDelay", "07", "3", "02");
    row("scan mode 3 falls back to time", "features", "scanMode", "60", "时间", "00");
    row("backlight colour 3 falls back to 1", "features", "backlightColour", "c0", "1", "00");
    row("display A 3 falls back to frequency", "features", "displayA", "18", "频率", "08");
    row("keypad lock lists on first", "features", "keypadLock", "10", "关", "10");
    row("power-on display 3 falls back to voltage", "features", "powerOnDisplay", "0c", "电压",
        "04");
    row("battery save 2 falls back to on", "features", "batterySave", "20", "开", "10");
    row("battery save 3 falls back to on", "features", "batterySave", "30", "开", "10");
    row("hidden tail mode 240", "features", "tailMode", "30", "240", "30");
    row("hidden reset time 11 becomes off", "features", "dualResetTime", "0b", "关", "00");
    row("hidden reset time 10", "features", "dualResetTime", "0a", "10", "0a");
    row("hidden dual-watch time 0 becomes 150", "features", "dualWatchTime", "00", "1.50", "96");
    row("hidden dual-watch time 150 kept", "features", "dualWatchTime", "96", "1.50", "96");
    row("hidden dual-watch time 255 kept", "features", "dualWatchTime", "ff", "2.55", "ff");
    row("hidden dual-watch time 251 kept", "features", "dualWatchTime", "fb", "2.51", "fb");
    row("greeting of zero codes", "features", "greeting", "00000000000000", "0000000",
        "30303030303030");
    row("greeting of erased bytes", "features", "greeting", "ffffffffffffff", "", "20202020202020");
    row("greeting of five letters", "features", "greeting", "48454c4c4f2020", "HELLO",
        "48454c4c4f2020");
    row("greeting ends at an unprintable byte", "features", "greeting", "4869ff41424344", "Hi",
        "48692020202020");
    row("greeting keeps inner spaces", "features", "greeting", "4120422a0e2323", "A B**##",
        "4120422a2a2323");
    // DTMF encode page.
    row("rate 50 shows 10", "encode", "rate", "32", "10", "32");
    row("rate 40 falls back to 10", "encode", "rate", "28", "10", "32");
    row("rate 83 shows 6", "encode", "rate", "53", "6", "53");
    row("rate 34 shows 15", "encode", "rate", "22", "15", "22");
    row("first-digit delay 150 rounds to 100", "encode", "firstDigitDelay", "03", "100", "02");
    row("first-digit delay 0 becomes 200", "encode", "firstDigitDelay", "00", "200", "04");
    row("first-digit delay 1000", "encode", "firstDigitDelay", "14", "1000", "14");
    row("first-digit delay 1050 rounds to 1000", "encode", "firstDigitDelay", "15", "1000", "14");
    row("first-digit delay 1100 becomes 200", "encode", "firstDigitDelay", "16", "200", "04");
    row("first-digit time 50 selects 500", "encode", "firstDigitTime", "01", "500", "0a");
    row("first-digit time 200 falls back to 100", "encode", "firstDigitTime", "04", "100", "02");
    row("first-digit time 0", "encode", "firstDigitTime", "00", "0", "00");
    row("star and hash time 1000", "encode", "starHashTime", "14", "1000", "14");
    row("side tone keys and ID", "encode", "sideTone", "18", "按键+ID", "18");
    row("wait for reply on", "encode", "waitReply", "04", "开", "04");
    row("wait time 0 clamps to 3", "encode", "waitTime", "00", "3", "03");
    row("wait time 200 clamps to 60", "encode", "waitTime", "c8", "60", "3c");
    row("wait time 10", "encode", "waitTime", "0a", "10", "0a");
    row("PTT ID 12A*", "encode", "pttIdStart", "01020a0effffffffffffffffffffffff", "12A*",
        "01020a0effffffffffffffffffffffff");
    row("PTT ID ends at a code of 16 or more", "encode", "pttIdEnd",
        "010210030405060708090a0b0c0d0e0f", "12", "0102ffffffffffffffffffffffffffff");
    row("PTT ID of sixteen codes", "encode", "pttIdEnd", "000102030405060708090a0b0c0d0e0f",
        "0123456789ABCD*#", "000102030405060708090a0b0c0d0e0f");
    // DTMF decode page.
    row("group call *", "decode", "groupCall", "0e", "*", "0e");
    row("group call 5 falls back to A", "decode", "groupCall", "05", "A", "0a");
    row("kill code 1234", "decode", "killCode", "010203040fffffffffffffffffffffaa", "1234",
        "010203040fffffffffffffffffffffaa");
    row("kill code ending in # keeps it", "decode", "killCode", "01020f0fffffffffffffffffffffffaa",
        "12#", "01020f0fffffffffffffffffffffffaa");
    row("kill code of fifteen codes", "decode", "killCode", "0102030405060708090001020304050a",
        "123456789012345", "0102030405060708090001020304050f");
    row("empty kill code keeps the last byte", "decode", "killCode",
        "10ffffffffffffffffffffffffffff5a", "", "ffffffffffffffffffffffffffffff5a");
    row("alarm code 12", "decode", "alarmCode", "0102ffffffffffff", "12", "0102ffffffffffff");
    row("reset time 2 shows 10", "decode", "resetTime", "02", "10", "0a");
    row("reset time 61 shows 10", "decode", "resetTime", "3d", "10", "0a");
    row("reset time 5", "decode", "resetTime", "05", "5", "05");
    row("decode response alert and reply", "decode", "decodeResponse", "03", "提醒+回复", "03");
    row("kill enabled: bit set shows on", "decode", "killEnabled", "80", "开", "80");
    row("kill enabled: bit clear shows off", "decode", "killEnabled", "00", "关", "00");
    row("decode time 250", "decode", "decodeTime", "fa", "2.5", "fa");
    row("decode time 230 stays 230", "decode", "decodeTime", "e6", "2.3", "e6");
    row("decode time 5 shows 0.1 and is stored as 10", "decode", "decodeTime", "05", "0.1", "0a");
    row("decode time 10", "decode", "decodeTime", "0a", "0.1", "0a");
    row("kill type 4 falls back to off", "decode", "killType", "04", "关", "00");
    row("kill type kill", "decode", "killType", "03", "遥毙", "03");
    // Auto-dial page.
    row("self ID 123", "autodial", "selfId", "010203ffffffff", "123", "010203ffffffff");
    row("separator *", "autodial", "separator", "0e", "*", "0e");
    row("separator 3 falls back to A", "autodial", "separator", "03", "A", "0a");
    row("auto-dial code 100*100", "codes", "autoDial0", "0100000e010000ffffffffffffffffff",
        "100*100", "0100000e010000ffffffffffffffffff");
    row("erased auto-dial code", "codes", "autoDial9", "ffffffffffffffffffffffffffffffff", "",
        "ffffffffffffffffffffffffffffffff");
}

void TestFieldCodec::roundTrip() {
    QFETCH(QString, table);
    QFETCH(QString, field);
    QFETCH(QByteArray, before);
    QFETCH(QString, shown);
    QFETCH(QByteArray, after);
    const FieldSpec* f = FieldNamed(TableNamed(table), field);
    QVERIFY(f);
    QCOMPARE(before.size(), f->size);
    MemoryImage image = DefaultsImage();
    PutBytes(image, f->offset, before);
    QCOMPARE(ShownText(image, *f), shown);
    FieldState state = LoadField(image, *f);
    ApplyFallback(*f, state);
    StoreField(image, *f, state);
    QCOMPARE(ImageBytes(image, f->offset, f->size).toHex(), after.toHex());
    // What was stored shows the same again.
    QCOMPARE(ShownText(image, *f), shown);
}

void TestFieldCodec::otherBitsSurvive_data() {
    QTest::addColumn<QString>("table");
    for (const char* name : {"features", "encode", "decode", "autodial", "codes"})
        QTest::newRow(name) << name;
}

void TestFieldCodec::otherBitsSurvive() {
    QFETCH(QString, table);
    const auto& fields = TableNamed(table);
    const std::vector<uint8_t> owned = OwnedMasks({&fields});
    for (unsigned seed = 1; seed <= 20; ++seed) {
        const MemoryImage before = RandomImage(seed);
        MemoryImage image = before;
        auto states = LoadFields(image, fields);
        StoreFields(image, fields, states);
        for (int offset = 0; offset < kImageSize; ++offset)
            QVERIFY2((image.Byte(offset) & ~owned[offset]) ==
                         (before.Byte(offset) & ~owned[offset]),
                     qPrintable(QString("seed %1 offset 0x%2").arg(seed).arg(offset, 0, 16)));
        // A second load and store changes nothing: every value is in its corrected form.
        const MemoryImage once = image;
        states = LoadFields(image, fields);
        StoreFields(image, fields, states);
        QVERIFY2(image == once, qPrintable(QString("seed %1").arg(seed)));
    }
}

void TestFieldCodec::storeAfterEditing_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("PTT ID typed as 12A*") << "encode"
                                          << "pttIdStart"
                                          << "12A*" << Hex("01020a0effffffffffffffffffffffff");
    QTest::newRow("kill code 1234") << "decode"
                                    << "killCode"
                                    << "1234" << Hex("010203040fffffffffffffffffffff77");
    QTest::newRow("kill code 12#") << "decode"
                                   << "killCode"
                                   << "12#" << Hex("01020f0fffffffffffffffffffffff77");
    QTest::newRow("alarm code with a letter that is no code") << "decode"
                                                              << "alarmCode"
                                                              << "1X2" << Hex("01ff02ffffffffff");
    QTest::newRow("decode time 2.3 stores 230") << "decode"
                                                << "decodeTime"
                                                << "2.3" << Hex("e6");
    QTest::newRow("decode time 1.15 truncates to 110") << "decode"
                                                       << "decodeTime"
                                                       << "1.15" << Hex("6e");
    QTest::newRow("dual-watch time 1.15 stores 115") << "features"
                                                     << "dualWatchTime"
                                                     << "1.15" << Hex("73");
    QTest::newRow("dual-watch time empty stores 150") << "features"
                                                      << "dualWatchTime"
                                                      << "" << Hex("96");
    QTest::newRow("greeting of five letters padded") << "features"
                                                     << "greeting"
                                                     << "ABCDE" << Hex("41424344452020");
    QTest::newRow("greeting drops what is not ASCII") << "features"
                                                      << "greeting"
                                                      << "A中B" << Hex("41422020202020");
    QTest::newRow("auto-dial code longer than 16 keeps 16")
        << "codes"
        << "autoDial3"
        << "0123456789ABCD*#99" << Hex("000102030405060708090a0b0c0d0e0f");
    QTest::newRow("first-digit delay 999 rounds to 900") << "encode"
                                                         << "firstDigitDelay"
                                                         << "999" << Hex("12");
}

void TestFieldCodec::storeAfterEditing() {
    QFETCH(QString, table);
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QByteArray, after);
    const FieldSpec* f = FieldNamed(TableNamed(table), field);
    QVERIFY(f);
    MemoryImage image;
    image.FillAll(0x77);
    FieldState state{.text = ToImageText(text)};
    ApplyFallback(*f, state);
    StoreField(image, *f, state);
    QCOMPARE(ImageBytes(image, f->offset, f->size).toHex(), after.toHex());
}

KESTRA_REGISTER_TEST(TestFieldCodec);
#include "test_field_codec.moc"
