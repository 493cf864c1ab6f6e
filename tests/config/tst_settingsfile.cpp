#include "config/SettingsFile.h"
#include "config/SettingsWriteError.h"
#include "config/support/ScratchDir.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTest>

#include <csignal>
#include <memory>
#include <optional>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace Qt::StringLiterals;
using orfa::config::SettingsFile;
using orfa::config::SettingsWriteError;
using orfa::config::test::ScratchDir;

namespace {

// A byte string with the NULs of the literal kept.
template <std::size_t N> QByteArray bytes(const char (&literal)[N]) {
    return QByteArray(literal, static_cast<qsizetype>(N - 1));
}

// Makes every write that grows a file of this process past a few bytes fail (EFBIG):
// the tests run as root, where permission bits refuse nothing.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        struct sigaction ignore {};
        ignore.sa_handler = [](int) {};
        ::sigaction(SIGXFSZ, &ignore, &savedAction_);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        ::sigaction(SIGXFSZ, &savedAction_, nullptr);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    struct sigaction savedAction_ {};
};

unsigned permissionBits(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return 0;
    return info.st_mode & 07777u;
}

// True when every line of before is still in after, in the same order.
bool linesKept(const QByteArray& before, const QByteArray& after) {
    const QList<QByteArray> old = before.split('\n');
    const QList<QByteArray> now = after.split('\n');
    qsizetype at = 0;
    for (const QByteArray& line : old) {
        while (at < now.size() && now[at] != line)
            ++at;
        if (at == now.size())
            return false;
        ++at;
    }
    return true;
}

} // namespace

class TestSettingsFile : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ScratchDir> scratch_;

private Q_SLOTS:
    void init() { scratch_ = std::make_unique<ScratchDir>(); }

    void missingFileGivesDefaultsAndCreatesNothing() {
        const SettingsFile settings(scratch_->dir());
        QCOMPARE(settings.readText(u"IPZesE"_s, u"none"_s), u"none"_s);
        QCOMPARE(settings.readText(u"IPZesE"_s), QString());
        QCOMPARE(settings.readInteger(u"VstupyRG"_s, 7), 7);
        QCOMPARE(settings.readFlag(u"DBChb"_s, true), true);
        QVERIFY(!QFile::exists(scratch_->iniPath()));
    }

    void integerRules_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("expected");
        const int fallback = 77;
        QTest::newRow("decimal") << QByteArray("123") << 123;
        QTest::newRow("negative") << QByteArray("-5") << -5;
        QTest::newRow("plus sign") << QByteArray("+7") << 7;
        QTest::newRow("leading zero is decimal") << QByteArray("010") << 10;
        QTest::newRow("blanks around") << QByteArray(" \t42 ") << 42;
        QTest::newRow("hex") << QByteArray("0x10") << 16;
        QTest::newRow("hex capital X") << QByteArray("0X1f") << 31;
        QTest::newRow("hex all ones") << QByteArray("0xFFFFFFFF") << -1;
        QTest::newRow("hex beyond 32 bits") << QByteArray("0x100000000") << fallback;
        QTest::newRow("bare 0x") << QByteArray("0x") << fallback;
        QTest::newRow("bad hex digit") << QByteArray("0x1g") << fallback;
        QTest::newRow("hex needs 0 first") << QByteArray("x10") << fallback;
        QTest::newRow("negative hex") << QByteArray("-0x10") << fallback;
        QTest::newRow("empty") << QByteArray("") << fallback;
        QTest::newRow("word") << QByteArray("abc") << fallback;
        QTest::newRow("trailing junk") << QByteArray("12abc") << fallback;
        QTest::newRow("inner blank") << QByteArray("1 2") << fallback;
        QTest::newRow("sign alone") << QByteArray("-") << fallback;
        QTest::newRow("largest") << QByteArray("2147483647") << 2147483647;
        QTest::newRow("smallest") << QByteArray("-2147483648") << (-2147483647 - 1);
        QTest::newRow("too large") << QByteArray("2147483648") << fallback;
        QTest::newRow("far too large") << QByteArray("99999999999999999999") << fallback;
    }

    void integerRules() {
        QFETCH(QByteArray, stored);
        QFETCH(int, expected);
        scratch_->putIni("[Orfa]\nN=" + stored + "\n");
        const SettingsFile settings(scratch_->dir());
        QCOMPARE(settings.readInteger(u"N"_s, 77), expected);
    }

    void flagRules_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<bool>("defaultValue");
        QTest::addColumn<bool>("expected");
        QTest::newRow("1") << QByteArray("1") << false << true;
        QTest::newRow("0") << QByteArray("0") << true << false;
        QTest::newRow("2 is on") << QByteArray("2") << false << true;
        QTest::newRow("-1 is on") << QByteArray("-1") << false << true;
        QTest::newRow("hex 0x10 is on") << QByteArray("0x10") << false << true;
        QTest::newRow("hex 0x0 is off") << QByteArray("0x0") << true << false;
        QTest::newRow("yes gives default off") << QByteArray("yes") << false << false;
        QTest::newRow("yes gives default on") << QByteArray("yes") << true << true;
        QTest::newRow("empty gives default") << QByteArray("") << true << true;
    }

    void flagRules() {
        QFETCH(QByteArray, stored);
        QFETCH(bool, defaultValue);
        QFETCH(bool, expected);
        scratch_->putIni("[Orfa]\nF=" + stored + "\n");
        const SettingsFile settings(scratch_->dir());
        QCOMPARE(settings.readFlag(u"F"_s, defaultValue), expected);
    }

    void writesReachTheFileAtOnce() {
        SettingsFile settings(scratch_->dir());
        settings.writeText(u"IPZesE"_s, u"192.168.1.10"_s);
        QCOMPARE(scratch_->iniBytes(), QByteArray("[Orfa]\nIPZesE=192.168.1.10\n"));
        settings.writeInteger(u"ActivePageOrfaForm"_s, -3);
        settings.writeFlag(u"DBChb"_s, true);
        settings.writeFlag(u"LoginChb"_s, false);
        QCOMPARE(scratch_->iniBytes(), QByteArray("[Orfa]\nIPZesE=192.168.1.10\n"
                                                  "ActivePageOrfaForm=-3\nDBChb=1\nLoginChb=0\n"));
        // A second object, as another process would see it.
        const SettingsFile other(scratch_->dir());
        QCOMPARE(other.readText(u"IPZesE"_s), u"192.168.1.10"_s);
        QCOMPARE(other.readInteger(u"ActivePageOrfaForm"_s), -3);
        QCOMPARE(other.readFlag(u"DBChb"_s), true);
        QCOMPARE(other.readFlag(u"LoginChb"_s, true), false);
    }

    void keysMatchWithoutRegardToCase() {
        scratch_->putIni("[ORFA]\nipzese = 10.0.0.1\n");
        SettingsFile settings(scratch_->dir());
        QCOMPARE(settings.readText(u"IPZesE"_s), u"10.0.0.1"_s);
        settings.writeText(u"IPZESE"_s, u"10.0.0.2"_s);
        // The existing line is changed, keeping its spelling and spacing; no second key.
        QCOMPARE(scratch_->iniBytes(), QByteArray("[ORFA]\nipzese = 10.0.0.2\n"));
    }

    void duplicateKeysFirstOneCounts() {
        scratch_->putIni("[Orfa]\nK=first\n[orfa]\nK=second\nL=later\n");
        SettingsFile settings(scratch_->dir());
        QCOMPARE(settings.readText(u"K"_s), u"first"_s);
        QCOMPARE(settings.readText(u"L"_s), u"later"_s);
        settings.writeText(u"K"_s, u"third"_s);
        QCOMPARE(settings.readText(u"K"_s), u"third"_s);
        QCOMPARE(scratch_->iniBytes(), QByteArray("[Orfa]\nK=third\n[orfa]\nK=second\nL=later\n"));
    }

    void textComesBackAtMost2047Long() {
        SettingsFile settings(scratch_->dir());
        const QString longText(3000, u'a');
        settings.writeText(u"Long"_s, longText);
        QVERIFY(scratch_->iniBytes().contains(longText.toLatin1()));
        QCOMPARE(settings.readText(u"Long"_s), QString(2047, u'a'));

        // The cut never leaves half of a surrogate pair behind.
        const QString emojiAtCut =
            QString(2046, u'b') + QString::fromUtf8("\xF0\x9F\x8E\xB5") + u"tail"_s;
        settings.writeText(u"Emoji"_s, emojiAtCut);
        QCOMPARE(settings.readText(u"Emoji"_s), QString(2046, u'b'));
    }

    void everythingUnknownSurvivesWrites() {
        const QByteArray before = "; Orfa settings\r\n"
                                  "\r\n"
                                  "[Jine]\r\n"
                                  "IPZesE=not ours\r\n"
                                  "\r\n"
                                  "[Orfa]\r\n"
                                  "; amplifier\r\n"
                                  "IPZesE = 10.0.0.1\r\n"
                                  "NeznamyKlic=x\r\n"
                                  "this line means nothing\r\n"
                                  "\r\n"
                                  "# next section\r\n"
                                  "[Dalsi]\r\n"
                                  "A=1";
        scratch_->putIni(before);
        SettingsFile settings(scratch_->dir());
        settings.writeText(u"IPZesE"_s, u"10.0.0.2"_s);
        settings.writeText(u"PortZesE"_s, u"5000"_s);
        SettingsFile(scratch_->dir(), u"Nova"_s).writeFlag(u"K"_s, true);

        const QByteArray after = "; Orfa settings\r\n"
                                 "\r\n"
                                 "[Jine]\r\n"
                                 "IPZesE=not ours\r\n"
                                 "\r\n"
                                 "[Orfa]\r\n"
                                 "; amplifier\r\n"
                                 "IPZesE = 10.0.0.2\r\n"
                                 "NeznamyKlic=x\r\n"
                                 "PortZesE=5000\r\n"
                                 "this line means nothing\r\n"
                                 "\r\n"
                                 "# next section\r\n"
                                 "[Dalsi]\r\n"
                                 "A=1\r\n"
                                 "\r\n"
                                 "[Nova]\r\n"
                                 "K=1\r\n";
        QCOMPARE(scratch_->iniBytes(), after);
        QCOMPARE(settings.readText(u"IPZesE"_s), u"10.0.0.2"_s);
    }

    void newFileIsUtf8AndPrivate() {
        SettingsFile settings(scratch_->dir());
        settings.writeText(u"Vystup1Nzv"_s, u"Výstup Čeština"_s);
        QCOMPARE(scratch_->iniBytes(), QByteArray("[Orfa]\nVystup1Nzv=V\xC3\xBDstup "
                                                  "\xC4\x8C"
                                                  "e\xC5\xA1tina\n"));
        QCOMPARE(permissionBits(scratch_->iniPath()), 0600u);
        QCOMPARE(scratch_->entries(), QStringList{SettingsFile::fileName()});

        // An existing file keeps the permissions it was given.
        QVERIFY(QFile::setPermissions(scratch_->iniPath(), QFile::ReadOwner | QFile::WriteOwner |
                                                               QFile::ReadGroup |
                                                               QFile::ReadOther));
        settings.writeFlag(u"DBChb"_s, true);
        QCOMPARE(permissionBits(scratch_->iniPath()), 0644u);
    }

    void symbolicLinkStaysALink() {
        const ScratchDir shared;
        shared.putIni("[Orfa]\nIPZesE=10.0.0.1\n");
        QVERIFY(QFile::link(shared.iniPath(), scratch_->iniPath()));
        SettingsFile settings(scratch_->dir());
        settings.writeText(u"IPZesE"_s, u"10.0.0.2"_s);
        QVERIFY(QFileInfo(scratch_->iniPath()).isSymLink());
        QCOMPARE(shared.iniBytes(), QByteArray("[Orfa]\nIPZesE=10.0.0.2\n"));
        QCOMPARE(shared.entries(), QStringList{SettingsFile::fileName()});
    }

    void windows1250FileKeepsItsEncoding() {
        // Without the converter (a Qt without ICU) such files would be refused, not read.
        QVERIFY2(orfa::config::windows1250Available(), "this Qt cannot convert Windows-1250");
        // "Kuchyň" and "Přízemí" as the earlier Windows program stored them.
        const QByteArray before =
            "[Orfa]\r\nVstup1Nzv=Kuchy\xF2\r\nVystup2Nzv=P\xF8\xEDzem\xED\r\n";
        scratch_->putIni(before);
        SettingsFile settings(scratch_->dir());
        QCOMPARE(settings.readText(u"Vstup1Nzv"_s), u"Kuchyň"_s);
        QCOMPARE(settings.readText(u"Vystup2Nzv"_s), u"Přízemí"_s);

        settings.writeText(u"Vystup3Nzv"_s, u"Šatna €"_s);
        QCOMPARE(scratch_->iniBytes(), before + "Vystup3Nzv=\x8A"
                                                "atna \x80\r\n");
        QCOMPARE(settings.readText(u"Vystup3Nzv"_s), u"Šatna €"_s);
    }

    void windows1250FileBecomesUtf8RatherThanLoseText() {
        scratch_->putIni("[Orfa]\r\nVstup1Nzv=Kuchy\xF2\r\nVystup2Nzv=P\xF8\xEDzem\xED\r\n");
        SettingsFile settings(scratch_->dir());
        settings.writeText(u"Vystup3Nzv"_s, u"Ωmega ♫"_s);
        const QString expected =
            u"[Orfa]\r\nVstup1Nzv=Kuchyň\r\nVystup2Nzv=Přízemí\r\nVystup3Nzv=Ωmega ♫\r\n"_s;
        QCOMPARE(scratch_->iniBytes(), expected.toUtf8());
        const SettingsFile other(scratch_->dir());
        QCOMPARE(other.readText(u"Vstup1Nzv"_s), u"Kuchyň"_s);
        QCOMPARE(other.readText(u"Vystup3Nzv"_s), u"Ωmega ♫"_s);
    }

    void windows1250FileThatWouldReadAsUtf8BecomesUtf8() {
        // "ÚŽINA" is DA 8E in the code page, a valid UTF-8 sequence; only "Kuchyň" (F2) keeps
        // the file from reading as UTF-8, until it is rewritten.
        scratch_->putIni("[Orfa]\r\nVystup1Nzv=\xDA\x8EINA\r\nVystup2Nzv=Kuchy\xF2\r\n");
        SettingsFile settings(scratch_->dir());
        settings.writeText(u"Vystup2Nzv"_s, u"Sklad"_s);
        QCOMPARE(scratch_->iniBytes(),
                 u"[Orfa]\r\nVystup1Nzv=ÚŽINA\r\nVystup2Nzv=Sklad\r\n"_s.toUtf8());
        QCOMPARE(SettingsFile(scratch_->dir()).readText(u"Vystup1Nzv"_s), u"ÚŽINA"_s);
    }

    void rewritingTheSameValueChangesNothing_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("spacing kept")
            << QByteArray("[Orfa]\nK = x\n") << u"y"_s << QByteArray("[Orfa]\nK = y\n");
        QTest::newRow("leading blanks of the value")
            << QByteArray("[Orfa]\nK = x\n") << u"  y"_s << QByteArray("[Orfa]\nK =  y\n");
        QTest::newRow("only blanks")
            << QByteArray("[Orfa]\nK=x\n") << u" "_s << QByteArray("[Orfa]\nK= \n");
        // Only the first mark is the file's; the second is a character of its first line.
        QTest::newRow("second byte order mark kept")
            << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF; note\n[Orfa]\nK=x\n") << u"y"_s
            << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF; note\n[Orfa]\nK=y\n");
    }

    void rewritingTheSameValueChangesNothing() {
        QFETCH(QByteArray, before);
        QFETCH(QString, value);
        QFETCH(QByteArray, after);
        scratch_->putIni(before);
        SettingsFile settings(scratch_->dir());
        for (int i = 0; i < 3; ++i)
            settings.writeText(u"K"_s, value);
        QCOMPARE(scratch_->iniBytes(), after);
        QCOMPARE(settings.readText(u"K"_s), value.trimmed());
    }

    void refusedWriteLeavesTheOldFileIntact() {
        const QByteArray before = "[Orfa]\nIPZesE=10.0.0.1\n";
        scratch_->putIni(before);
        SettingsFile settings(scratch_->dir());
        QCOMPARE(settings.readText(u"IPZesE"_s), u"10.0.0.1"_s);
        std::optional<SettingsWriteError> refused;
        {
            // Nothing is logged while the limit holds: the test log may be a file too.
            const FileSizeLimit limit(16);
            try {
                settings.writeText(u"IPZesE"_s, QString(500, u'9'));
            } catch (const SettingsWriteError& error) {
                refused = error;
            }
        }
        QVERIFY2(refused, "a write beyond the file size limit reported success");
        QCOMPARE(refused->path(), scratch_->iniPath());
        QVERIFY(!refused->reason().isEmpty());
        QVERIFY(QByteArray(refused->what()).contains(QFile::encodeName(refused->path())));
        QCOMPARE(scratch_->iniBytes(), before);
        QCOMPARE(scratch_->entries(), QStringList{SettingsFile::fileName()});
        QCOMPARE(settings.readText(u"IPZesE"_s), u"10.0.0.1"_s);
        // Once the disk takes writes again, so does the file.
        settings.writeText(u"IPZesE"_s, u"10.0.0.3"_s);
        QCOMPARE(scratch_->iniBytes(), QByteArray("[Orfa]\nIPZesE=10.0.0.3\n"));
    }

    void writeIntoMissingDirectoryRaises() {
        QFile blocker(QDir(scratch_->dir()).filePath(u"plain-file"_s));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        SettingsFile settings(QDir(blocker.fileName()).filePath(u"sub"_s));
        QCOMPARE(settings.readText(u"IPZesE"_s, u"d"_s), u"d"_s);
        QVERIFY_THROWS_EXCEPTION(SettingsWriteError, settings.writeText(u"IPZesE"_s, u"x"_s));
    }

    void unreadableFileIsNeverReplaced_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("directory") << u"directory"_s;
        QTest::newRow("fifo") << u"fifo"_s;
        QTest::newRow("oversized") << u"oversized"_s;
    }

    void unreadableFileIsNeverReplaced() {
        QFETCH(QString, kind);
        const QString path = scratch_->iniPath();
        if (kind == u"directory"_s) {
            QVERIFY(QDir().mkpath(path));
        } else if (kind == u"fifo"_s) {
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else {
            scratch_->putIni("[Orfa]\nIPZesE=10.0.0.1\n");
            QFile file(path);
            QVERIFY(file.resize(orfa::config::IniFileView::maxFileSize + 1));
        }
        const QFileInfo before(path);

        SettingsFile settings(scratch_->dir());
        QCOMPARE(settings.readText(u"IPZesE"_s, u"d"_s), u"d"_s);
        QVERIFY_THROWS_EXCEPTION(SettingsWriteError, settings.writeText(u"IPZesE"_s, u"x"_s));

        const QFileInfo after(path);
        QCOMPARE(after.isDir(), before.isDir());
        QCOMPARE(after.isFile(), before.isFile());
        QCOMPARE(after.size(), before.size());
        QCOMPARE(scratch_->entries(), QStringList{SettingsFile::fileName()});
    }

    void brokenFilesAreReadAsWellAsPossible_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("expected");
        QTest::newRow("binary junk") << bytes("\x00\x01\xFF\xFE\x80garbage\n[Orfa]\nK=ok\n"
                                              "\xC3\x28\x00\n")
                                     << u"ok"_s;
        QTest::newRow("NUL in value")
            << bytes("[Orfa]\nK=a\x00z\n") << QString::fromUtf8("a\0z", 3);
        QTest::newRow("very long line")
            << QByteArray("[Orfa]\n" + QByteArray(1 << 20, 'x') + "\nK=ok\n") << u"ok"_s;
        QTest::newRow("duplicate section")
            << QByteArray("[Orfa]\nA=1\n[Orfa]\nK=second\n") << u"second"_s;
        QTest::newRow("no section") << QByteArray("K=nowhere\n") << u"-"_s;
        QTest::newRow("section without bracket") << QByteArray("[Orfa\nK=ok\n") << u"ok"_s;
        QTest::newRow("key without equals") << QByteArray("[Orfa]\nK\n") << u"-"_s;
        QTest::newRow("empty key") << QByteArray("[Orfa]\n=v\nK=ok\n") << u"ok"_s;
        QTest::newRow("commented out") << QByteArray("[Orfa]\n;K=no\n#K=no\n") << u"-"_s;
        QTest::newRow("UTF-8 byte order mark")
            << QByteArray("\xEF\xBB\xBF[Orfa]\nK=ok\n") << u"ok"_s;
        QTest::newRow("cut UTF-8 sequence") << QByteArray("[Orfa]\nK=ok\nX=\xC5") << u"ok"_s;
    }

    void brokenFilesAreReadAsWellAsPossible() {
        QFETCH(QByteArray, content);
        QFETCH(QString, expected);
        scratch_->putIni(content);
        SettingsFile settings(scratch_->dir());
        QCOMPARE(settings.readText(u"K"_s, u"-"_s), expected);

        settings.writeFlag(u"Added"_s, true);
        QCOMPARE(settings.readFlag(u"Added"_s), true);
        QCOMPARE(settings.readText(u"K"_s, u"-"_s), expected);
        QVERIFY2(linesKept(content, scratch_->iniBytes()), "a line of the file was lost");
    }

    void lineBreaksCannotForgeKeys() {
        SettingsFile settings(scratch_->dir());
        settings.writeText(u"Vstup1Nzv"_s, u"Hala\nDBChb=1\r\n[Jine]"_s);
        QCOMPARE(settings.readFlag(u"DBChb"_s), false);
        QCOMPARE(settings.readText(u"Vstup1Nzv"_s), u"Hala DBChb=1  [Jine]"_s);
        QCOMPARE(scratch_->iniBytes().count('\n'), 2);
    }

    void unusableKeyNamesAreRefused_data() {
        QTest::addColumn<QString>("key");
        QTest::newRow("empty") << QString();
        QTest::newRow("leading blank") << u" Key"_s;
        QTest::newRow("trailing blank") << u"Key "_s;
        QTest::newRow("equals") << u"A=B"_s;
        QTest::newRow("section bracket") << u"[Orfa]"_s;
        QTest::newRow("comment") << u";Key"_s;
        QTest::newRow("line break") << u"A\nB"_s;
    }

    void unusableKeyNamesAreRefused() {
        QFETCH(QString, key);
        SettingsFile settings(scratch_->dir());
        QVERIFY_THROWS_EXCEPTION(SettingsWriteError, settings.writeText(key, u"v"_s));
        QVERIFY(!QFile::exists(scratch_->iniPath()));
    }

    void changesMadeByOthersAreSeen() {
        scratch_->putIni("[Orfa]\nIPZesE=10.0.0.1\n");
        SettingsFile settings(scratch_->dir());
        QCOMPARE(settings.readText(u"IPZesE"_s), u"10.0.0.1"_s);

        // Same size, same file, within the resolution of file times.
        scratch_->putIni("[Orfa]\nIPZesE=10.0.0.9\n");
        QCOMPARE(settings.readText(u"IPZesE"_s), u"10.0.0.9"_s);

        // Replaced by another file, as an editor saving atomically does.
        QSaveFile replacement(scratch_->iniPath());
        QVERIFY(replacement.open(QIODevice::WriteOnly));
        replacement.write("[Orfa]\nIPZesE=10.0.0.5\nLoginChb=1\n");
        QVERIFY(replacement.commit());
        QCOMPARE(settings.readText(u"IPZesE"_s), u"10.0.0.5"_s);

        // A write builds on what is on disk, not on what was read before.
        settings.writeText(u"PortZesE"_s, u"5000"_s);
        QCOMPARE(scratch_->iniBytes(),
                 QByteArray("[Orfa]\nIPZesE=10.0.0.5\nLoginChb=1\nPortZesE=5000\n"));

        QVERIFY(QFile::remove(scratch_->iniPath()));
        QCOMPARE(settings.readText(u"IPZesE"_s, u"gone"_s), u"gone"_s);
    }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
