// Value encodings of the amplifier and the texts of frequencies and times.

#include "link/FrequencyText.h"
#include "link/TimeText.h"
#include "link/ValueCodec.h"

#include <QLocale>
#include <QTest>

using namespace orfa::link;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(FrequencyError)

class TestValueCodec : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void signMagnitude_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("byte");
        QTest::addColumn<bool>("roundTrip");
        QTest::newRow("zero") << 0 << 0x00 << true;
        QTest::newRow("+12") << 12 << 0x0C << true;
        QTest::newRow("-12") << -12 << 0x8C << true;
        QTest::newRow("+80") << 80 << 0x50 << true;
        QTest::newRow("-70") << -70 << 0xC6 << true;
        QTest::newRow("-79") << -79 << 0xCF << true;
        QTest::newRow("-127") << -127 << 0xFF << true;
        QTest::newRow("+200 clamped") << 200 << 0x7F << false;
        QTest::newRow("-200 clamped") << -200 << 0xFF << false;
    }

    void signMagnitude() {
        QFETCH(int, value);
        QFETCH(int, byte);
        QFETCH(bool, roundTrip);
        QCOMPARE(encodeSignMagnitude(value), byte);
        if (roundTrip)
            QCOMPARE(decodeSignMagnitude(static_cast<std::uint8_t>(byte)), value);
        QCOMPARE(decodeSignMagnitude(0x80), 0); // negative zero
    }

    void sliderPositions_data() {
        QTest::addColumn<int>("kind"); // 0 master volume, 1 band, 2 gain
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("sent");
        QTest::newRow("volume 150") << 0 << 150 << 0xC6;
        QTest::newRow("volume 80") << 0 << 80 << 0x00;
        QTest::newRow("volume 159") << 0 << 159 << 0xCF;
        QTest::newRow("volume 0") << 0 << 0 << 0x50;
        QTest::newRow("band 0") << 1 << 0 << 0x0C;
        QTest::newRow("band 12") << 1 << 12 << 0x00;
        QTest::newRow("band 24") << 1 << 24 << 0x8C;
        QTest::newRow("band 20") << 1 << 20 << 0x88;
        QTest::newRow("gain 15") << 2 << 15 << 0x0F;
        QTest::newRow("gain 0") << 2 << 0 << 0x00;
    }

    // Every position goes out as its byte and comes back to itself.
    void sliderPositions() {
        QFETCH(int, kind);
        QFETCH(int, position);
        QFETCH(int, sent);
        const auto byte = static_cast<std::uint8_t>(sent);
        switch (kind) {
        case 0:
            QCOMPARE(masterVolumeByte(position), sent);
            QCOMPARE(masterVolumePosition(byte), position);
            break;
        case 1:
            QCOMPARE(bandByte(position), sent);
            QCOMPARE(bandPosition(byte), position);
            QCOMPARE(inputParameterByte(2, position), sent);
            QCOMPARE(inputParameterPosition(6, byte), position);
            break;
        default:
            QCOMPARE(gainByte(position), sent);
            QCOMPARE(gainPosition(byte), position);
            QCOMPARE(inputParameterByte(kGainParameter, position), sent);
            break;
        }
    }

    // Out of the sliders' ranges: positions sent are clamped, received
    // values are passed on raw for the slider to clamp.
    void outOfRangePositions() {
        QCOMPARE(masterVolumeByte(400), masterVolumeByte(159));
        QCOMPARE(masterVolumeByte(-5), masterVolumeByte(0));
        QCOMPARE(bandByte(30), 0x8C);
        QCOMPARE(gainByte(99), 0x0F);
        QCOMPARE(gainPosition(0x85), -5); // bit 7: negative, the slider goes to 0
        QCOMPARE(masterVolumePosition(0xFF), 207);
    }

    void inputParameterCodes() {
        QCOMPARE(inputParameterCode(1, 1), std::uint8_t{0x11});
        QCOMPARE(inputParameterCode(3, 4), std::uint8_t{0x54});
        QCOMPARE(inputParameterCode(5, 6), std::uint8_t{0x96});
        QVERIFY(!inputParameterCode(0, 1));
        QVERIFY(!inputParameterCode(6, 1));
        QVERIFY(!inputParameterCode(1, 7));
        QCOMPARE(inputParameterCodeAt(0), std::uint8_t{0x11});
        QCOMPARE(inputParameterCodeAt(5), std::uint8_t{0x16});
        QCOMPARE(inputParameterCodeAt(6), std::uint8_t{0x31});
        QCOMPARE(inputParameterCodeAt(29), std::uint8_t{0x96});
        QVERIFY(!inputParameterCodeAt(30));
        QVERIFY(!inputParameterCodeAt(-1));
    }

    void receivedParameterCodes_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("box"); // 0: skipped
        QTest::addColumn<int>("parameter");
        QTest::newRow("0x11") << 0x11 << 1 << 1;
        QTest::newRow("0x01 nibble 0") << 0x01 << 1 << 1;
        QTest::newRow("0x21 nibble 2") << 0x21 << 1 << 1;
        QTest::newRow("0x54") << 0x54 << 3 << 4;
        QTest::newRow("0x96") << 0x96 << 5 << 6;
        QTest::newRow("0xA3 nibble 10") << 0xA3 << 5 << 3;
        QTest::newRow("0xB1 nibble 11") << 0xB1 << 0 << 0;
        QTest::newRow("0xF6") << 0xF6 << 0 << 0;
        QTest::newRow("0x10 parameter 0") << 0x10 << 0 << 0;
        QTest::newRow("0x17 parameter 7") << 0x17 << 0 << 0;
    }

    void receivedParameterCodes() {
        QFETCH(int, code);
        QFETCH(int, box);
        QFETCH(int, parameter);
        const auto address = decodeInputParameterCode(static_cast<std::uint8_t>(code));
        QCOMPARE(address.has_value(), box != 0);
        if (address)
            QCOMPARE(*address, (InputParameterAddress{box, parameter}));
    }

    void frequencyTexts_data() {
        QTest::addColumn<int>("mhz");
        QTest::addColumn<int>("hundredths");
        QTest::addColumn<QString>("text");
        QTest::newRow("104.5") << 104 << 50 << u"104.5"_s;
        QTest::newRow("98") << 98 << 0 << u"98"_s;
        QTest::newRow("87.05") << 87 << 5 << u"87.05"_s;
        QTest::newRow("99 and 100") << 99 << 100 << u"100"_s;
        QTest::newRow("0") << 0 << 0 << u"0"_s;
        QTest::newRow("bytes at their ends") << 255 << 255 << u"257.55"_s;
    }

    void frequencyTexts() {
        QFETCH(int, mhz);
        QFETCH(int, hundredths);
        QFETCH(QString, text);
        const RadioFrequency frequency{static_cast<std::uint8_t>(mhz),
                                       static_cast<std::uint8_t>(hundredths)};
        QCOMPARE(frequencyText(frequency), text);
        const QLocale previous;
        QLocale::setDefault(QLocale(QLocale::Czech)); // decimal comma
        QCOMPARE(frequencyText(frequency), text);
        QLocale::setDefault(previous);
    }

    void parsingFrequencies_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<FrequencyError>("error");
        QTest::addColumn<int>("mhz");
        QTest::addColumn<int>("hundredths");
        const auto ok = FrequencyError::None;
        QTest::newRow("104.5") << u"104.5"_s << ok << 104 << 50;
        QTest::newRow("87.05") << u"87.05"_s << ok << 87 << 5;
        QTest::newRow("not carried") << u"99.999"_s << ok << 99 << 100;
        QTest::newRow("spaces") << u" 98 "_s << ok << 98 << 0;
        QTest::newRow("half down to even") << u"87.125"_s << ok << 87 << 12;
        QTest::newRow("half up to even") << u"87.135"_s << ok << 87 << 14;
        // 87.115 is a hair below the half in binary; the digits say half.
        QTest::newRow("decimal half") << u"87.115"_s << ok << 87 << 12;
        QTest::newRow("above half") << u"87.1251"_s << ok << 87 << 13;
        QTest::newRow("below half") << u"87.1249999"_s << ok << 87 << 12;
        QTest::newRow("no whole part") << u".5"_s << ok << 0 << 50;
        QTest::newRow("trailing point") << u"104."_s << ok << 104 << 0;
        QTest::newRow("largest") << u"127.99"_s << ok << 127 << 99;
        QTest::newRow("128") << u"128"_s << FrequencyError::OutOfRange << 0 << 0;
        QTest::newRow("huge") << u"99999999999999999999"_s << FrequencyError::OutOfRange << 0 << 0;
        QTest::newRow("negative") << u"-1.5"_s << FrequencyError::OutOfRange << 0 << 0;
        QTest::newRow("empty") << QString() << FrequencyError::NotANumber << 0 << 0;
        QTest::newRow("point") << u"."_s << FrequencyError::NotANumber << 0 << 0;
        QTest::newRow("comma") << u"104,5"_s << FrequencyError::NotANumber << 0 << 0;
        QTest::newRow("two points") << u"1.2.3"_s << FrequencyError::NotANumber << 0 << 0;
        QTest::newRow("exponent") << u"1e2"_s << FrequencyError::NotANumber << 0 << 0;
        QTest::newRow("plus") << u"+5"_s << FrequencyError::NotANumber << 0 << 0;
        QTest::newRow("words") << u"FM"_s << FrequencyError::NotANumber << 0 << 0;
        QTest::newRow("arabic digits")
            << u"\u0661\u0660\u0664"_s << FrequencyError::NotANumber << 0 << 0;
    }

    void parsingFrequencies() {
        QFETCH(QString, text);
        QFETCH(FrequencyError, error);
        QFETCH(int, mhz);
        QFETCH(int, hundredths);
        const ParsedFrequency parsed = parseFrequency(text);
        QCOMPARE(parsed.error, error);
        if (parsed.ok()) {
            QCOMPARE(parsed.frequency.mhz, mhz);
            QCOMPARE(parsed.frequency.hundredths, hundredths);
        }
    }

    void parsingTimes_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("hour"); // -1: refused
        QTest::addColumn<int>("minute");
        QTest::newRow("7:25") << u"7:25"_s << 7 << 20;
        QTest::newRow("seconds ignored") << u"18:59:30"_s << 18 << 50;
        QTest::newRow("midnight") << u"0:00"_s << 0 << 0;
        QTest::newRow("last") << u"23:59:59"_s << 23 << 50;
        QTest::newRow("spaces") << u" 07:05 "_s << 7 << 0;
        QTest::newRow("one-digit minute") << u"7:5"_s << 7 << 0;
        QTest::newRow("hour 24") << u"24:00"_s << -1 << 0;
        QTest::newRow("minute 60") << u"7:60"_s << -1 << 0;
        QTest::newRow("second 60") << u"7:25:60"_s << -1 << 0;
        QTest::newRow("no colon") << u"7"_s << -1 << 0;
        QTest::newRow("empty minute") << u"7:"_s << -1 << 0;
        QTest::newRow("too many fields") << u"1:2:3:4"_s << -1 << 0;
        QTest::newRow("three digits") << u"123:00"_s << -1 << 0;
        QTest::newRow("sign") << u"-1:20"_s << -1 << 0;
        QTest::newRow("letters") << u"ab:cd"_s << -1 << 0;
        QTest::newRow("empty") << QString() << -1 << 0;
    }

    void parsingTimes() {
        QFETCH(QString, text);
        QFETCH(int, hour);
        QFETCH(int, minute);
        const auto time = parseScheduleTime(text);
        QCOMPARE(time.has_value(), hour >= 0);
        if (time)
            QCOMPARE(*time, (TimeOfDay{static_cast<std::uint8_t>(hour),
                                       static_cast<std::uint8_t>(minute)}));
    }

    void timeTexts() {
        QCOMPARE(scheduleTimeText(7, 5), u"7:05"_s);
        QCOMPARE(scheduleTimeText(18, 30), u"18:30"_s);
        QCOMPARE(scheduleTimeText(0, 0), u"0:00"_s);
        QCOMPARE(twoDigitText(5), u"05"_s);
        QCOMPARE(twoDigitText(30), u"30"_s);
        QCOMPARE(twoDigitText(100), u"100"_s);
    }
};

QTEST_GUILESS_MAIN(TestValueCodec)
#include "tst_valuecodec.moc"
