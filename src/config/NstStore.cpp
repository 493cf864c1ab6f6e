#include "config/NstStore.h"

#include "config/Database.h"
#include "config/DatabaseError.h"
#include "config/SettingsKeys.h"

#include <QVariant>

namespace orfa::config::nst {
namespace {

const QString kNameColumn = QStringLiteral("NAZEV");
const QString kTextColumn = QStringLiteral("HODNTXT");
const QString kNumberColumn = QStringLiteral("HODNINT");

// The number n when name is prefix + n + suffix for an n in 1..last, else 0.
int numberIn(const QString& name, QLatin1String prefix, QLatin1String suffix, int last) {
    if (!name.startsWith(prefix) || !name.endsWith(suffix))
        return 0;
    const QStringView digits =
        QStringView(name).mid(prefix.size(), name.size() - prefix.size() - suffix.size());
    // Only the spelling the program writes: decimal without leading zeros or signs.
    if (digits.isEmpty() || digits.front() == u'0')
        return 0;
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9')
            return 0;
    }
    const int n = digits.toInt();
    return n <= last ? n : 0;
}

QString deleteStatement() {
    QString sql = QStringLiteral("Delete FROM Nst Where ");
    for (int i = 1; i <= 10; ++i)
        sql += QStringLiteral(" Nazev like 'Vstup%1En' OR ").arg(i);
    for (int j = 1; j <= 16; ++j)
        sql += QStringLiteral(" Nazev like 'Vystup%1En' OR ").arg(j);
    for (int k = 1; k <= 9; ++k)
        sql += QStringLiteral(" Nazev like 'RadioJmeno%1' OR ").arg(k);
    sql += QStringLiteral(" Nazev like 'IPZesE' or ");
    sql += QStringLiteral(" Nazev like 'PortZesE' or ");
    sql += QStringLiteral(" Nazev like 'VstupyRG' or ");
    sql += QStringLiteral(" Nazev like 'HesloZesE' or ");
    sql += QStringLiteral(" Nazev like 'LoginChb' ");
    return sql;
}

// The row's text goes in as a parameter, so any character of a name or password is
// stored as typed; the row name and the number are the program's own.
void insertRow(Database& db, const QString& name, const QString& text, int number) {
    db.execute(QStringLiteral("Insert Into Nst Values ( GEN_ID(Nst, 1) , '%1' , ? , %2 ) ")
                   .arg(name)
                   .arg(number),
               {QVariant(text)});
}

void writeRows(Database& db, const NstValues& values) {
    db.execute(deleteStatement());
    for (int i = 1; i <= 10; ++i) {
        const IoEntry& input = values.inputs.at(static_cast<std::size_t>(i - 1));
        insertRow(db, keys::inputEnabled(i), input.name, input.enabled ? 1 : 0);
    }
    for (int j = 1; j <= 16; ++j) {
        const IoEntry& output = values.outputs.at(static_cast<std::size_t>(j - 1));
        insertRow(db, keys::outputEnabled(j), output.name, output.enabled ? 1 : 0);
    }
    for (int k = 1; k <= 9; ++k)
        insertRow(db, keys::radioName(k), values.radioNames.at(static_cast<std::size_t>(k - 1)), 0);
    insertRow(db, keys::IPZesE, values.amplifierHost, 0);
    insertRow(db, keys::PortZesE, values.amplifierPort, 0);
    insertRow(db, keys::VstupyRG, QString(), values.outputsChoice);
    insertRow(db, keys::HesloZesE, values.amplifierPassword, 0);
    insertRow(db, keys::LoginChb, QString(), values.loginAtStart ? 1 : 0);
    db.execute(QStringLiteral("commit"));
}

} // namespace

AmplifierAddress readAmplifierAddress(Database& db) {
    AmplifierAddress address;
    db.execute(
        QStringLiteral("Select * FROM nst where nazev like 'IPZesE' or nazev like 'PortZesE' "));
    for (const ResultRow& row : db.rows()) {
        const QString name = row.text(kNameColumn);
        if (name == keys::IPZesE)
            address.host = row.text(kTextColumn);
        else if (name == keys::PortZesE)
            address.port = row.text(kTextColumn);
    }
    return address;
}

bool readLoginFlag(Database& db) {
    db.execute(QStringLiteral("Select * FROM nst where nazev like 'LoginChb'  "));
    for (const ResultRow& row : db.rows()) {
        if (row.text(kNameColumn) == keys::LoginChb)
            return row.integer(kNumberColumn) == 1;
    }
    return false;
}

bool readSixteenOutputs(Database& db) {
    db.execute(QStringLiteral("Select * FROM nst where Nazev='VstupyRG'"));
    return !db.rows().isEmpty() && db.rows().first().integer(kNumberColumn) == 1;
}

void readNst(Database& db, NstValues& values) {
    db.execute(QStringLiteral("Select * FROM nst"));
    for (const ResultRow& row : db.rows()) {
        const QString name = row.text(kNameColumn);
        const QString text = row.text(kTextColumn);
        const int number = row.integer(kNumberColumn);
        if (const int i = numberIn(name, QLatin1String("Vstup"), QLatin1String("En"), 10)) {
            values.inputs.at(static_cast<std::size_t>(i - 1)) = IoEntry{text, number == 1};
        } else if (const int j = numberIn(name, QLatin1String("Vystup"), QLatin1String("En"), 16)) {
            values.outputs.at(static_cast<std::size_t>(j - 1)) = IoEntry{text, number == 1};
        } else if (const int k =
                       numberIn(name, QLatin1String("RadioJmeno"), QLatin1String(""), 9)) {
            values.radioNames.at(static_cast<std::size_t>(k - 1)) = text;
        } else if (name == keys::IPZesE) {
            values.amplifierHost = text;
        } else if (name == keys::HesloZesE) {
            values.amplifierPassword = text;
        } else if (name == keys::PortZesE) {
            values.amplifierPort = text;
        } else if (name == keys::VstupyRG) {
            values.outputsChoice = number;
        } else if (name == keys::LoginChb) {
            values.loginAtStart = number == 1;
        }
    }
}

void writeNst(Database& db, const NstValues& values) {
    try {
        writeRows(db, values);
    } catch (const DatabaseError&) {
        db.rollback();
        throw;
    }
}

} // namespace orfa::config::nst
