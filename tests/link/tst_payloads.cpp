// The 36-byte payloads of the radio memories and the weekly schedule, both
// ways, and the commands that carry them.

#include "link/CommandBuilder.h"
#include "link/RadioMemories.h"
#include "link/WeeklySchedule.h"
#include "spinel/Spinel.h"
#include "support/Frames.h"

#include <QTest>

using namespace orfa::link;
using orfa::spinel::Bytes;
using namespace Qt::StringLiterals;

using orfa::test::answer;
namespace {

Bytes record(std::size_t index, const Bytes& bytes, std::size_t size) {
    const auto begin = bytes.begin() + static_cast<std::ptrdiff_t>(index);
    return Bytes(begin, begin + static_cast<std::ptrdiff_t>(size));
}

RadioMemories twoMemories() {
    RadioMemories memories{};
    memories[0] = {parseFrequency(u"104.5").frequency, true};
    memories[1] = {parseFrequency(u"87.05").frequency, false};
    memories[8] = {parseFrequency(u"99.999").frequency, false};
    return memories;
}

} // namespace

class TestPayloads : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void memoriesPayload() {
        const Bytes data = radioMemoriesPayload(twoMemories());
        QCOMPARE(data.size(), 36u);
        QCOMPARE(record(0, data, 4), (Bytes{1, 104, 50, 1}));
        QCOMPARE(record(4, data, 4), (Bytes{2, 87, 5, 0}));
        QCOMPARE(record(32, data, 4), (Bytes{9, 99, 100, 0})); // hundredths not carried
        for (std::size_t k = 0; k < 9; ++k)
            QCOMPARE(data[4 * k], k + 1);
    }

    // Each memory's own flag goes into its own record.
    void onlyMemoryThreeStereo() {
        RadioMemories memories{};
        memories[2].stereo = true;
        const Bytes data = radioMemoriesPayload(memories);
        for (std::size_t k = 0; k < 9; ++k)
            QCOMPARE(data[4 * k + 3], k == 2 ? 1 : 0);
    }

    void memoriesAnswer() {
        Bytes data = radioMemoriesPayload(twoMemories());
        data[7] = 0xFE; // only bit 0 counts
        const auto memories = decodeRadioMemoriesAnswer(answer(0xAC, data));
        QVERIFY(memories.has_value());
        QCOMPARE(frequencyText((*memories)[0].frequency), u"104.5"_s);
        QVERIFY((*memories)[0].stereo);
        QCOMPARE(frequencyText((*memories)[1].frequency), u"87.05"_s);
        QVERIFY(!(*memories)[1].stereo);
    }

    // Too short an answer, or one whose first record is not memory 1, is
    // ignored. 35 data bytes (a 44-byte frame) would read memory 9's flags
    // from the checksum, so all 36 are required.
    void memoriesAnswerRefused_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("firstNumber");
        QTest::newRow("43-byte frame") << 34 << 1;
        QTest::newRow("44-byte frame") << 35 << 1;
        QTest::newRow("first record 2") << 36 << 2;
        QTest::newRow("first record 0") << 36 << 0;
    }

    void memoriesAnswerRefused() {
        QFETCH(int, size);
        QFETCH(int, firstNumber);
        Bytes data = radioMemoriesPayload(twoMemories());
        data.resize(static_cast<std::size_t>(size));
        data[0] = static_cast<std::uint8_t>(firstNumber);
        QVERIFY(!decodeRadioMemoriesAnswer(answer(0xAC, data)));
    }

    void schedulePayload() {
        WeeklySchedule schedule;
        schedule.inOperation = true;
        schedule.days[0] = {*parseScheduleTime(u"7:25"), *parseScheduleTime(u"18:59:30")};
        schedule.days[6] = {{0, 0}, {23, 50}};
        Bytes data = weeklySchedulePayload(schedule);
        QCOMPARE(data.size(), 36u);
        QCOMPARE(data[0], 0xFF);
        QCOMPARE(record(1, data, 5), (Bytes{1, 7, 20, 18, 50}));
        QCOMPARE(record(31, data, 5), (Bytes{7, 0, 0, 23, 50}));
        for (std::size_t d = 0; d < 7; ++d)
            QCOMPARE(data[1 + 5 * d], d + 1);

        schedule.inOperation = false;
        data = weeklySchedulePayload(schedule);
        QCOMPARE(data[0], 0x00);
    }

    void scheduleAnswer() {
        WeeklySchedule stored;
        stored.inOperation = true;
        stored.days[4] = {{7, 5}, {18, 30}};
        const auto received = decodeScheduleAnswer(answer(0xAA, weeklySchedulePayload(stored)));
        QVERIFY(received.has_value());
        QVERIFY(received->inOperation);
        for (std::size_t d = 0; d < 7; ++d)
            QCOMPARE(*received->days[d], stored.days[d]);
        const ScheduleDay& friday = *received->days[4];
        QCOMPARE(scheduleTimeText(friday.on.hour, friday.on.minute), u"7:05"_s);
    }

    // The day byte picks the row, wherever its record stands; days outside
    // 1..7 change nothing; a record is read only when all five bytes are data.
    void scheduleRecordsByDay() {
        const Bytes data{0x01, 3, 6, 10, 14, 0, 0, 9, 9, 9, 9, 8, 9, 9, 9, 9, 1, 5, 0, 22, 0, 2, 7};
        const auto received = decodeScheduleAnswer(answer(0xAA, data));
        QVERIFY(received.has_value());
        QVERIFY(!received->inOperation); // anything but 0xFF
        QCOMPARE(received->days[2], (ScheduleDay{{6, 10}, {14, 0}}));
        QCOMPARE(received->days[0], (ScheduleDay{{5, 0}, {22, 0}}));
        QVERIFY(!received->days[1]); // its record is cut short
        for (const std::size_t d : {3u, 4u, 5u, 6u})
            QVERIFY(!received->days[d]);
        QVERIFY(!decodeScheduleAnswer(answer(0xAA, {})));
    }

    void commandsCarryThePayloads() {
        SignatureCounter signature;
        signature.forRequest(170);
        const Command memories = buildStoreRadioMemories(signature, twoMemories());
        QCOMPARE(memories.frame, orfa::spinel::makeFrame('a', 1, 174, kStoreRadioMemories,
                                                         radioMemoriesPayload(twoMemories())));
        QCOMPARE(memories.frame.size(), 45u);
        QVERIFY(memories.replaceOlder);
        const Command schedule = buildStoreSchedule(signature, WeeklySchedule{});
        QCOMPARE(schedule.frame[5], 175);
        QCOMPARE(schedule.frame[6], kStoreSchedule);
        QCOMPARE(schedule.frame.size(), 45u);
        QVERIFY(schedule.replaceOlder);
    }
};

QTEST_GUILESS_MAIN(TestPayloads)
#include "tst_payloads.moc"
