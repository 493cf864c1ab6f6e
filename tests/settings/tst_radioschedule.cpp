// The pages "Rádio" and "Plánovač" against the amplifier simulator: what opening the dialog
// asks for, how answers fill the pages, the bytes the stores send, and stores refused for
// fields the amplifier cannot take.
#include "link/AmpLink.h"
#include "link/Instructions.h"
#include "settings/RadioPage.h"
#include "settings/SchedulePage.h"
#include "settings/support/SettingsRig.h"
#include "spinel/Spinel.h"
#include "support/Frames.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

using namespace orfa;
using Bytes = spinel::Bytes;

class TestRadioSchedule : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void openingAsksForMemoriesThenSchedule();
    void buttonsAskAgain();
    void storingMemories_data();
    void storingMemories();
    void storingSchedule_data();
    void storingSchedule();
    void scheduleRecordsFillTheDayTheyName();
    void refusedStores_data();
    void refusedStores();
    void answersAfterClosingAreNotShown();
};

using orfa::test::raw;
namespace {

QPushButton* button(SettingsRig& rig, const QString& name) {
    auto* b = rig.control<QPushButton>(name);
    if (!b)
        qFatal("no button %s", qPrintable(name));
    return b;
}

// Opens the dialog and waits until both answers have been shown.
void openAndWaitForAnswers(SettingsRig& rig) {
    rig.open();
    QVERIFY(rig.waitForIdleQueue());
    QVERIFY(
        QTest::qWaitFor([&] { return !rig.form().schedulePage().cellText(1, 7).isEmpty(); }, 5000));
}

// Sends an answer the amplifier did not get asked for and waits until the link has cut it.
bool deliverAnswer(SettingsRig& rig, std::uint8_t signature, const Bytes& data) {
    QSignalSpy received(&rig.data().link(), &link::AmpLink::frameReceived);
    const Bytes frame = spinel::makeFrame('a', link::kAmplifierAddress, signature, 0, data);
    rig.sim().sendRaw(QByteArray(reinterpret_cast<const char*>(frame.data()),
                                 static_cast<qsizetype>(frame.size())));
    return received.wait(5000);
}

void setCell(SettingsRig& rig, int column, int day, const QString& text) {
    rig.form().schedulePage().grid()->item(day - 1, column)->setText(text);
}

void fillSchedule(SettingsRig& rig, const QString& on, const QString& off) {
    for (int day = 1; day <= 7; ++day) {
        setCell(rig, 1, day, on);
        setCell(rig, 2, day, off);
    }
}

} // namespace

void TestRadioSchedule::openingAsksForMemoriesThenSchedule() {
    SettingsRig rig;
    sim::AmpState& amp = rig.sim().state();
    amp.memories[0] = {104, 50, true};
    amp.memories[1] = {87, 5, false};
    amp.memories[2] = {98, 0, true};
    amp.scheduleOn = true;
    amp.schedule[0] = {7, 5, 18, 30};
    amp.schedule[6] = {0, 0, 23, 50};
    openAndWaitForAnswers(rig);
    QCOMPARE(rig.receivedInstructions(), (std::vector<int>{172, 170}));

    QCOMPARE(rig.lineEdit(QStringLiteral("memoryFrequency1"))->text(), QStringLiteral("104.5"));
    QVERIFY(rig.checkBox(QStringLiteral("memoryStereo1"))->isChecked());
    QCOMPARE(rig.lineEdit(QStringLiteral("memoryFrequency2"))->text(), QStringLiteral("87.05"));
    QVERIFY(!rig.checkBox(QStringLiteral("memoryStereo2"))->isChecked());
    QCOMPARE(rig.lineEdit(QStringLiteral("memoryFrequency3"))->text(), QStringLiteral("98"));
    QVERIFY(rig.checkBox(QStringLiteral("inOperationBox"))->isChecked());
    const settings::SchedulePage& page = rig.form().schedulePage();
    QCOMPARE(page.cellText(1, 1), QStringLiteral("7:05"));
    QCOMPARE(page.cellText(2, 1), QStringLiteral("18:30"));
    QCOMPARE(page.cellText(1, 7), QStringLiteral("0:00"));
    QCOMPARE(page.cellText(2, 7), QStringLiteral("23:50"));
}

void TestRadioSchedule::buttonsAskAgain() {
    SettingsRig rig;
    openAndWaitForAnswers(rig);
    // What the operator typed gives way to the amplifier's values, changed or not.
    const QString first = rig.lineEdit(QStringLiteral("memoryFrequency1"))->text();
    rig.lineEdit(QStringLiteral("memoryFrequency1"))->setText(QStringLiteral("1"));
    rig.sim().state().memories[8] = {91, 10, false};
    rig.sim().state().schedule[2] = {6, 0, 22, 10};
    rig.sim().state().scheduleOn = false;
    clickIndicator(rig.checkBox(QStringLiteral("inOperationBox")));
    QTest::mouseClick(button(rig, QStringLiteral("readMemoriesButton")), Qt::LeftButton);
    QTest::mouseClick(button(rig, QStringLiteral("readScheduleButton")), Qt::LeftButton);
    QVERIFY(QTest::qWaitFor(
        [&] {
            return rig.lineEdit(QStringLiteral("memoryFrequency9"))->text() ==
                   QLatin1String("91.1");
        },
        5000));
    QCOMPARE(rig.lineEdit(QStringLiteral("memoryFrequency1"))->text(), first);
    QVERIFY(QTest::qWaitFor(
        [&] { return rig.form().schedulePage().cellText(2, 3) == QLatin1String("22:10"); }, 5000));
    QVERIFY(!rig.checkBox(QStringLiteral("inOperationBox"))->isChecked());
    QCOMPARE(rig.receivedInstructions(), (std::vector<int>{172, 170, 172, 170}));
}

void TestRadioSchedule::storingMemories_data() {
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QList<int>>("stereo");
    QTest::addColumn<QByteArray>("records");
    const QStringList same(9, QStringLiteral("100"));
    QStringList mixed = same;
    mixed[0] = QStringLiteral("104.5");
    mixed[1] = QStringLiteral("87.05");
    QByteArray mixedRecords = raw(orfa::test::bytes({1, 104, 50, 1, 2, 87, 5, 0}));
    for (int k = 3; k <= 9; ++k)
        mixedRecords += raw(orfa::test::bytes({k, 100, 0, 0}));
    QTest::newRow("104.5 stereo, 87.05 mono") << mixed << QList<int>{1} << mixedRecords;

    QStringList rounded = same;
    rounded[4] = QStringLiteral("99.999");
    rounded[5] = QStringLiteral(" 87.125 ");
    rounded[6] = QStringLiteral("87.135");
    QByteArray roundedRecords;
    for (int k = 1; k <= 9; ++k) {
        if (k == 5)
            roundedRecords +=
                raw(orfa::test::bytes({5, 99, 100, 0})); // not carried into the megahertz
        else if (k == 6)
            roundedRecords += raw(orfa::test::bytes({6, 87, 12, 0})); // half to even
        else if (k == 7)
            roundedRecords += raw(orfa::test::bytes({7, 87, 14, 0}));
        else
            roundedRecords += raw(orfa::test::bytes({k, 100, 0, 0}));
    }
    QTest::newRow("hundredths rounded") << rounded << QList<int>{} << roundedRecords;

    QByteArray onlyThird;
    for (int k = 1; k <= 9; ++k)
        onlyThird += raw(orfa::test::bytes({k, 100, 0, k == 3 ? 1 : 0}));
    QTest::newRow("memory 3 alone stereo") << same << QList<int>{3} << onlyThird;
}

void TestRadioSchedule::storingMemories() {
    QFETCH(QStringList, typed);
    QFETCH(QList<int>, stereo);
    QFETCH(QByteArray, records);
    SettingsRig rig;
    openAndWaitForAnswers(rig);
    rig.form().pages()->setCurrentIndex(settings::SettingsDialog::kRadioPage);
    for (int k = 1; k <= 9; ++k) {
        rig.lineEdit(QStringLiteral("memoryFrequency%1").arg(k))->setText(typed.at(k - 1));
        rig.checkBox(QStringLiteral("memoryStereo%1").arg(k))->setChecked(stereo.contains(k));
    }
    const std::uint8_t signature = rig.data().link().signature().current();
    QTest::mouseClick(button(rig, QStringLiteral("storeMemoriesButton")), Qt::LeftButton);
    QVERIFY(rig.waitForIdleQueue());
    const auto sent = rig.receivedData(link::kStoreRadioMemories);
    QCOMPARE(sent.size(), std::size_t{1});
    QCOMPARE(sent[0], records);
    QVERIFY(rig.data().link().signature().current() != signature);
    QVERIFY(rig.messages().messages.empty());
}

void TestRadioSchedule::storingSchedule_data() {
    QTest::addColumn<bool>("inOperation");
    QTest::addColumn<QByteArray>("payload");
    QByteArray days;
    days += raw(orfa::test::bytes({1, 7, 20, 18, 0})); // 7:25 -> 7:20
    days += raw(orfa::test::bytes({2, 7, 0, 18, 50})); // 18:59:30 -> 18:50
    days += raw(orfa::test::bytes({3, 0, 0, 23, 50})); // 00:00, 23:59
    for (int d = 4; d <= 7; ++d)
        days += raw(orfa::test::bytes({d, 7, 0, 18, 0}));
    QTest::newRow("in operation") << true << (raw(orfa::test::bytes({0xFF})) + days);
    QTest::newRow("not in operation") << false << (raw(orfa::test::bytes({0x00})) + days);
}

void TestRadioSchedule::storingSchedule() {
    QFETCH(bool, inOperation);
    QFETCH(QByteArray, payload);
    SettingsRig rig;
    openAndWaitForAnswers(rig);
    fillSchedule(rig, QStringLiteral("7:00"), QStringLiteral("18:00"));
    setCell(rig, 1, 1, QStringLiteral("7:25"));
    setCell(rig, 2, 2, QStringLiteral("18:59:30"));
    setCell(rig, 1, 3, QStringLiteral("00:00"));
    setCell(rig, 2, 3, QStringLiteral("23:59"));
    rig.checkBox(QStringLiteral("inOperationBox"))->setChecked(inOperation);
    QTest::mouseClick(button(rig, QStringLiteral("storeScheduleButton")), Qt::LeftButton);
    QVERIFY(rig.waitForIdleQueue());
    const auto sent = rig.receivedData(link::kStoreSchedule);
    QCOMPARE(sent.size(), std::size_t{1});
    QCOMPARE(sent[0], payload);
}

void TestRadioSchedule::scheduleRecordsFillTheDayTheyName() {
    SettingsRig rig;
    rig.sim().state().scheduleOn = true;
    openAndWaitForAnswers(rig);
    const settings::SchedulePage& page = rig.form().schedulePage();
    QVERIFY(rig.checkBox(QStringLiteral("inOperationBox"))->isChecked());
    setCell(rig, 1, 1, QStringLiteral("6:40")); // typed; the answer has no record for Monday
    // Wednesday's record comes first; the day bytes 9 and 0 name no row and change nothing.
    Bytes data{0x01, 3, 7, 5, 18, 30, 9, 1, 2, 3, 4, 0, 5, 6, 7, 8};
    for (std::uint8_t d = 4; d <= 7; ++d)
        for (const std::uint8_t b :
             {d, std::uint8_t{6}, std::uint8_t{0}, std::uint8_t{20}, std::uint8_t{0}})
            data.push_back(b);
    QVERIFY(deliverAnswer(rig, link::kReadSchedule, data));
    QCOMPARE(page.cellText(1, 3), QStringLiteral("7:05"));
    QCOMPARE(page.cellText(2, 3), QStringLiteral("18:30"));
    QCOMPARE(page.cellText(1, 1), QStringLiteral("6:40"));
    QCOMPARE(page.cellText(2, 5), QStringLiteral("20:00"));
    QCOMPARE(rig.form().schedulePage().grid()->item(2, 0)->text(), QStringLiteral("Středa"));
    QCOMPARE(rig.form().schedulePage().grid()->horizontalHeaderItem(1)->text(),
             QStringLiteral("Zapnuto Od"));
    // Any first byte but 0xFF means not in operation.
    QVERIFY(!rig.checkBox(QStringLiteral("inOperationBox"))->isChecked());
}

void TestRadioSchedule::refusedStores_data() {
    QTest::addColumn<QString>("field"); // "memoryFrequency<k>", or "cell:<column>:<day>"
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    const QString third =
        QStringLiteral("Frekvence paměti 3 musí být číslo jako 104.5 (méně než 128 MHz).");
    QTest::newRow("letters") << QStringLiteral("memoryFrequency3") << QStringLiteral("abc")
                             << third;
    QTest::newRow("empty") << QStringLiteral("memoryFrequency3") << QString() << third;
    QTest::newRow("comma") << QStringLiteral("memoryFrequency3") << QStringLiteral("104,5")
                           << third;
    QTest::newRow("128 MHz") << QStringLiteral("memoryFrequency3") << QStringLiteral("128")
                             << third;
    QTest::newRow("negative") << QStringLiteral("memoryFrequency3") << QStringLiteral("-1")
                              << third;
    QTest::newRow("ninth") << QStringLiteral("memoryFrequency9") << QStringLiteral("300.1")
                           << QStringLiteral("Frekvence paměti 9 musí být číslo jako 104.5 "
                                             "(méně než 128 MHz).");
    QTest::newRow("hour 25") << QStringLiteral("cell:1:3") << QStringLiteral("25:00")
                             << QStringLiteral("Čas zapnutí ve středu musí být ve tvaru 7:30.");
    QTest::newRow("dot") << QStringLiteral("cell:2:7") << QStringLiteral("7.30")
                         << QStringLiteral("Čas vypnutí v neděli musí být ve tvaru 7:30.");
    QTest::newRow("empty cell") << QStringLiteral("cell:2:1") << QString()
                                << QStringLiteral("Čas vypnutí v pondělí musí být ve tvaru 7:30.");
}

void TestRadioSchedule::refusedStores() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, message);
    SettingsRig rig;
    openAndWaitForAnswers(rig);
    const bool cell = field.startsWith(QLatin1String("cell:"));
    if (cell)
        setCell(rig, field.section(QLatin1Char(':'), 1, 1).toInt(),
                field.section(QLatin1Char(':'), 2, 2).toInt(), text);
    else
        rig.lineEdit(field)->setText(text);
    const std::uint8_t signature = rig.data().link().signature().current();
    QTest::mouseClick(button(rig, cell ? QStringLiteral("storeScheduleButton")
                                       : QStringLiteral("storeMemoriesButton")),
                      Qt::LeftButton);
    QCOMPARE(rig.messages().texts(), QStringList{message});
    QCOMPARE(rig.messages().messages[0].caption, QStringLiteral("Nastavení"));
    QVERIFY(rig.messages().messages[0].icon == settings::MessageIcon::Warning);
    QVERIFY(rig.data().link().isIdle());
    QCOMPARE(rig.data().link().signature().current(), signature);
    // The untouched page still stores.
    QTest::mouseClick(button(rig, cell ? QStringLiteral("storeMemoriesButton")
                                       : QStringLiteral("storeScheduleButton")),
                      Qt::LeftButton);
    QCOMPARE(rig.data().link().queuedCount(), 1);
}

void TestRadioSchedule::answersAfterClosingAreNotShown() {
    SettingsRig rig;
    openAndWaitForAnswers(rig);
    Bytes memories;
    for (std::uint8_t k = 1; k <= 9; ++k)
        memories.insert(memories.end(), {k, 101, 10, 0});
    rig.form().reject();
    QVERIFY(deliverAnswer(rig, link::kReadRadioMemories, memories));
    QVERIFY(rig.lineEdit(QStringLiteral("memoryFrequency1"))->text() != QLatin1String("101.1"));
    rig.destroyForm();
    // Nothing refers to the destroyed pages any more.
    QVERIFY(deliverAnswer(rig, link::kReadRadioMemories, memories));
    QVERIFY(deliverAnswer(rig, link::kReadSchedule, Bytes(36, 1)));
}

QTEST_MAIN(TestRadioSchedule)
#include "tst_radioschedule.moc"
