// The password cipher: stored forms must match those of earlier versions byte for byte,
// so the program's cipher is checked against a reference written out by hand from the
// definition, and the block cipher and digest under it against published vectors.
#include "support/ReferenceCipher.h"
#include "users/PasswordCipher.h"

#include <cryptopp/cast.h>
#include <cryptopp/sha.h>

#include <QTest>

using namespace orfa;

namespace {

QByteArray unhex(const char* hex) {
    return QByteArray::fromHex(QByteArray(hex));
}

QByteArray castEncrypt(const QByteArray& key, const QByteArray& block) {
    CryptoPP::CAST256::Encryption cipher(reinterpret_cast<const CryptoPP::byte*>(key.data()),
                                         static_cast<std::size_t>(key.size()));
    QByteArray out(16, '\0');
    cipher.ProcessBlock(reinterpret_cast<const CryptoPP::byte*>(block.data()),
                        reinterpret_cast<CryptoPP::byte*>(out.data()));
    return out;
}

// 4 * ceil(4 * ceil(L / 3) / 3)
qsizetype storedLength(qsizetype bytes) {
    const qsizetype once = 4 * ((bytes + 2) / 3);
    return 4 * ((once + 2) / 3);
}

} // namespace

class TestPasswordCipher : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void blockCipherAndDigestFollowTheirStandards();
    void matchesTheReference_data();
    void matchesTheReference();
    void fixedStoredForms_data();
    void fixedStoredForms();
    void emptyAndUnstorable();
    void malformedStoredFormsGiveEmptyText_data();
    void malformedStoredFormsGiveEmptyText();
    void trailingCharactersAfterTheLastGroupAreIgnored();
    void longestPasswordFitsItsStore();
};

void TestPasswordCipher::blockCipherAndDigestFollowTheirStandards() {
    // RFC 2612, appendix B.
    const QByteArray zero(16, '\0');
    QCOMPARE(castEncrypt(unhex("2342bb9efa38542c0af75647f29f615d"), zero).toHex(),
             QByteArray("c842a08972b43d20836c91d1b7530f6b"));
    QCOMPARE(castEncrypt(unhex("2342bb9efa38542cbed0ac83940ac298bac77a7717942863"), zero).toHex(),
             QByteArray("1b386c0210dcadcbdd0e41aa08a7a7e8"));
    QCOMPARE(
        castEncrypt(unhex("2342bb9efa38542cbed0ac83940ac2988d7c47ce264908461cc1b5137ae6b604"), zero)
            .toHex(),
        QByteArray("4f6a2038286897b9c9870136553317fa"));
    // A 160-bit key is the same key with 96 zero bits appended (RFC 2612, 2.1).
    const QByteArray key160 = unhex("ee2f48bd83662b69683a21b4d6ceb27de31f0f26");
    QCOMPARE(castEncrypt(key160, zero), castEncrypt(key160 + QByteArray(12, '\0'), zero));

    // SHA-1 of the key text, as sha1sum gives it.
    std::array<CryptoPP::byte, 20> digest{};
    const QByteArray keyText = QByteArrayLiteral("vbr4k71xqe");
    CryptoPP::SHA1().CalculateDigest(digest.data(),
                                     reinterpret_cast<const CryptoPP::byte*>(keyText.data()),
                                     static_cast<std::size_t>(keyText.size()));
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(digest.data()), 20), key160);
}

void TestPasswordCipher::matchesTheReference_data() {
    QTest::addColumn<QString>("password");
    QTest::newRow("one byte") << QStringLiteral("a");
    QTest::newRow("two bytes") << QStringLiteral("ab");
    QTest::newRow("three bytes") << QStringLiteral("abc");
    QTest::newRow("a block") << QStringLiteral("0123456789abcdef");
    QTest::newRow("beyond a block") << QStringLiteral("heslo-delsi-nez-jeden-blok-sifry");
    QTest::newRow("czech letters") << QStringLiteral("Žluťoučký kůň úpěl ďábelské ódy");
    QTest::newRow("quote and percent") << QStringLiteral("it's 100% 'tajne'");
    QTest::newRow("upper half of the code page") << QStringLiteral("€‚„…†‡‰Š‹ŚŤŽŹ");
    QTest::newRow("long") << QString(150, QLatin1Char('x'));
}

void TestPasswordCipher::matchesTheReference() {
    QFETCH(QString, password);
    const QString stored = users::encryptPassword(password, users::passwordKey());
    QCOMPARE(stored, test::referenceEncrypt(password, users::passwordKey()));
    QCOMPARE(stored.size(),
             storedLength(QByteArray(QStringEncoder("windows-1250").encode(password)).size()));
    // Nothing carries over from one call to the next.
    QCOMPARE(users::encryptPassword(password, users::passwordKey()), stored);
    QCOMPARE(users::decryptPassword(stored, users::passwordKey()), password);
    // Another key gives another form, which this key does not open (a byte or two may
    // come out the same by chance).
    if (password.size() < 3)
        return;
    const QString other = users::encryptPassword(password, QStringLiteral("jiny-klic"));
    QVERIFY(other != stored);
    QVERIFY(users::decryptPassword(other, users::passwordKey()) != password);
}

void TestPasswordCipher::fixedStoredForms_data() {
    // Made with the reference above; they pin the form against changes to both.
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("stored");
    QTest::newRow("heslo") << QStringLiteral("heslo") << QStringLiteral("WmlNK2RGUT0=");
    QTest::newRow("admin") << QStringLiteral("Admin1") << QStringLiteral("VDJ5RHpjdEk=");
    QTest::newRow("czech") << QStringLiteral("příliš") << QStringLiteral("Zm9pQk9sWWQ=");
}

void TestPasswordCipher::fixedStoredForms() {
    QFETCH(QString, password);
    QFETCH(QString, stored);
    QCOMPARE(users::encryptPassword(password, users::passwordKey()), stored);
    QCOMPARE(users::decryptPassword(stored, users::passwordKey()), password);
}

void TestPasswordCipher::emptyAndUnstorable() {
    QCOMPARE(users::encryptPassword(QString(), users::passwordKey()), QString());
    QCOMPARE(users::decryptPassword(QString(), users::passwordKey()), QString());
    // A character outside Windows-1250 would come back as something else.
    const QString japanese = QStringLiteral("heslo日本");
    QVERIFY(!users::canEncrypt(japanese));
    QCOMPARE(users::encryptPassword(japanese, users::passwordKey()), QString());
    QVERIFY(users::canEncrypt(QStringLiteral("Žluťoučký")));
}

void TestPasswordCipher::malformedStoredFormsGiveEmptyText_data() {
    QTest::addColumn<QString>("stored");
    QTest::newRow("shorter than a group") << QStringLiteral("QQ=");
    QTest::newRow("not base64") << QStringLiteral("!!!!");
    QTest::newRow("padding inside") << QStringLiteral("QQ=AQUFB");
    QTest::newRow("padding then more") << QStringLiteral("QQ==QUFB");
    QTest::newRow("non-ascii") << QStringLiteral("QUFBžQUFB");
    QTest::newRow("inner text not base64") << QString::fromLatin1(QByteArray("!!!!").toBase64());
    QTest::newRow("line break") << QStringLiteral("QUFB\nQUFB");
}

void TestPasswordCipher::malformedStoredFormsGiveEmptyText() {
    QFETCH(QString, stored);
    QCOMPARE(users::decryptPassword(stored, users::passwordKey()), QString());
}

void TestPasswordCipher::trailingCharactersAfterTheLastGroupAreIgnored() {
    const QString stored = users::encryptPassword(QStringLiteral("heslo123"), users::passwordKey());
    QCOMPARE(stored.size() % 4, 0);
    QCOMPARE(users::decryptPassword(stored + QStringLiteral("xy"), users::passwordKey()),
             QStringLiteral("heslo123"));
    QCOMPARE(users::decryptPassword(stored + QStringLiteral("!?#"), users::passwordKey()),
             QStringLiteral("heslo123"));
}

// UZIV.HESLO holds 200 characters of stored form, the settings file reads back 2047.
void TestPasswordCipher::longestPasswordFitsItsStore() {
    for (const qsizetype limit : {qsizetype{3}, qsizetype{200}, qsizetype{2047}}) {
        const qsizetype longest = users::longestPassword(limit);
        QVERIFY(
            users::encryptPassword(QString(longest, QChar(u'ž')), users::passwordKey()).size() <=
            limit);
        QVERIFY(
            users::encryptPassword(QString(longest + 1, QChar(u'ž')), users::passwordKey()).size() >
            limit);
    }
    QCOMPARE(users::longestPassword(200), qsizetype{111});
}

QTEST_GUILESS_MAIN(TestPasswordCipher)
#include "tst_passwordcipher.moc"
