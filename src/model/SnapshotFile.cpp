#include "model/SnapshotFile.h"

#include "model/IoNaming.h"
#include "model/StateJson.h"
#include "model/Units.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace orfa::model {
namespace {

const QString kFormat = QStringLiteral("orfa-snapshot");

// Reads whole numbers in [low, high]; remembers the first thing wrong.
class Reader {
public:
    explicit Reader(QString& error)
        : error_(error) {}

    int number(const QJsonObject& object, const QString& key, int low, int high,
               const QString& where) {
        const QJsonValue value = object.value(key);
        const double number = value.toDouble(-1e9);
        if (!value.isDouble() || number != static_cast<int>(number) || number < low ||
            number > high) {
            fail(QStringLiteral("%1: \"%2\" must be a whole number from %3 to %4")
                     .arg(where, key)
                     .arg(low)
                     .arg(high));
            return low;
        }
        return static_cast<int>(number);
    }

    QJsonArray array(const QJsonObject& object, const QString& key, qsizetype size) {
        const QJsonValue value = object.value(key);
        if (!value.isArray() || value.toArray().size() != size) {
            fail(QStringLiteral("\"%1\" must be a list of %2 entries").arg(key).arg(size));
            return {};
        }
        return value.toArray();
    }

    void fail(const QString& text) {
        if (ok_)
            error_ = text;
        ok_ = false;
    }
    bool ok() const { return ok_; }

private:
    QString& error_;
    bool ok_ = true;
};

void readOutputs(const QJsonObject& root, AmpState& state, Reader& reader) {
    const QJsonArray outputs = reader.array(root, QStringLiteral("outputs"), link::kOutputCount);
    std::array<bool, link::kOutputCount> seen{};
    for (const auto& value : outputs) {
        const QJsonObject entry = value.toObject();
        const int n = reader.number(entry, QStringLiteral("output"), 1, link::kOutputCount,
                                    QStringLiteral("outputs"));
        const QString where = QStringLiteral("output %1").arg(n);
        auto& output = state.outputs.at(static_cast<std::size_t>(n - 1));
        output.level =
            reader.number(entry, QStringLiteral("level"), 0, link::kOutputLevelMax, where);
        output.source =
            reader.number(entry, QStringLiteral("source"), 0, link::kSourceCount, where);
        output.muted = entry.value(QStringLiteral("muted")).toBool(output.level == kLevelMuted);
        if (seen.at(static_cast<std::size_t>(n - 1)))
            reader.fail(QStringLiteral("output %1 is listed twice").arg(n));
        seen.at(static_cast<std::size_t>(n - 1)) = true;
    }
}

void readInputs(const QJsonObject& root, AmpState& state, Reader& reader) {
    const QJsonArray inputs = reader.array(root, QStringLiteral("inputs"), link::kInputBoxCount);
    std::array<bool, link::kInputBoxCount> seen{};
    for (const auto& value : inputs) {
        const QJsonObject entry = value.toObject();
        const int k = reader.number(entry, QStringLiteral("input"), 1, link::kInputBoxCount,
                                    QStringLiteral("inputs"));
        const QString where = QStringLiteral("input %1").arg(k);
        auto& input = state.inputs.at(static_cast<std::size_t>(k - 1));
        input.gain = reader.number(entry, QStringLiteral("gain"), kGainLowest, kGainHighest, where);
        const QJsonObject bands = entry.value(QStringLiteral("eqDb")).toObject();
        for (std::size_t b = 0; b < kBandNames.size(); ++b)
            input.bandsDb.at(b) = reader.number(bands, QLatin1String(kBandNames.at(b)),
                                                kBandDbLowest, kBandDbHighest, where);
        if (seen.at(static_cast<std::size_t>(k - 1)))
            reader.fail(QStringLiteral("input %1 is listed twice").arg(k));
        seen.at(static_cast<std::size_t>(k - 1)) = true;
    }
}

} // namespace

QByteArray writeSnapshot(const AmpState& state, const IoNaming& naming, const QString& address) {
    QJsonArray outputs;
    for (int n = 1; n <= link::kOutputCount; ++n)
        outputs.append(outputJson(n, state.outputs.at(static_cast<std::size_t>(n - 1)), naming));
    QJsonArray inputs;
    for (int k = 1; k <= link::kInputBoxCount; ++k)
        inputs.append(inputJson(k, state.inputs.at(static_cast<std::size_t>(k - 1)), naming));
    const QJsonObject root{
        {QStringLiteral("format"), kFormat},
        {QStringLiteral("version"), kSnapshotVersion},
        {QStringLiteral("savedAt"), QDateTime::currentDateTimeUtc().toString(Qt::ISODate)},
        {QStringLiteral("amplifier"),
         QJsonObject{{QStringLiteral("address"), address},
                     {QStringLiteral("outputs"), link::kOutputCount},
                     {QStringLiteral("inputs"), link::kInputBoxCount}}},
        {QStringLiteral("power"), state.power ? QStringLiteral("on") : QStringLiteral("off")},
        {QStringLiteral("master"), QJsonObject{{QStringLiteral("db"), state.masterDb}}},
        {QStringLiteral("outputs"), outputs},
        {QStringLiteral("inputs"), inputs}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

namespace {

// Whether the document is a snapshot this program reads, of an amplifier of
// this size; false with a message otherwise.
bool isReadableSnapshot(const QJsonObject& root, QString& error) {
    if (root.value(QStringLiteral("format")).toString() != kFormat) {
        error = QStringLiteral("not an Orfa snapshot (no \"format\": \"%1\")").arg(kFormat);
        return false;
    }
    if (const int version = root.value(QStringLiteral("version")).toInt(-1);
        version != kSnapshotVersion) {
        error = QStringLiteral("snapshot version %1 is not supported (this orfactl reads %2)")
                    .arg(version)
                    .arg(kSnapshotVersion);
        return false;
    }
    const QJsonObject amplifier = root.value(QStringLiteral("amplifier")).toObject();
    const int outputs = amplifier.value(QStringLiteral("outputs")).toInt(-1);
    const int inputs = amplifier.value(QStringLiteral("inputs")).toInt(-1);
    if (outputs != link::kOutputCount || inputs != link::kInputBoxCount) {
        error = QStringLiteral("the snapshot is of an amplifier with %1 outputs and %2 inputs; "
                               "this one has %3 and %4")
                    .arg(outputs)
                    .arg(inputs)
                    .arg(link::kOutputCount)
                    .arg(link::kInputBoxCount);
        return false;
    }
    return true;
}

} // namespace

std::optional<AmpState> readSnapshot(const QByteArray& bytes, QString& error) {
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (document.isNull() || !document.isObject()) {
        error = QStringLiteral("not a JSON object: %1").arg(parseError.errorString());
        return std::nullopt;
    }
    const QJsonObject root = document.object();
    if (!isReadableSnapshot(root, error))
        return std::nullopt;
    AmpState state;
    Reader reader(error);
    const QString power = root.value(QStringLiteral("power")).toString();
    if (power != QLatin1String("on") && power != QLatin1String("off"))
        reader.fail(QStringLiteral("\"power\" must be \"on\" or \"off\""));
    state.power = power == QLatin1String("on");
    state.masterDb =
        reader.number(root.value(QStringLiteral("master")).toObject(), QStringLiteral("db"),
                      kMasterDbLowest, kMasterDbHighest, QStringLiteral("master"));
    readOutputs(root, state, reader);
    readInputs(root, state, reader);
    if (!reader.ok())
        return std::nullopt;
    return state;
}

} // namespace orfa::model
