#include "panel/UnconfirmedItemsText.h"

#include "link/ValueCodec.h"
#include "panel/InputBox.h"

#include <QStringList>

namespace orfa::panel {
namespace {

using Kind = model::AmpItem::Kind;

// "výstup 3 hlasitost", or "výstupy 1, 3, 5 hlasitost" for several outputs.
QString outputsText(const QStringList& outputs, const QString& what) {
    if (outputs.isEmpty())
        return {};
    return (outputs.size() == 1 ? QStringLiteral("výstup ") : QStringLiteral("výstupy ")) +
           outputs.join(QStringLiteral(", ")) + QLatin1Char(' ') + what;
}

// "vstupy 5 a 6 zisk", "vstupy 5 a 6 pásmo 1kHz": box k serves sources 2k-1 and 2k.
QString inputParameterText(int box, int parameter) {
    const QString what = parameter == link::kGainParameter
                             ? QStringLiteral("zisk")
                             : QStringLiteral("pásmo ") + InputBox::bandName(parameter - 1);
    return QStringLiteral("vstupy %1 a %2 ").arg(2 * box - 1).arg(2 * box) + what;
}

} // namespace

QString unconfirmedItemsText(const std::set<model::AmpItem>& items) {
    QStringList levels;
    QStringList sources;
    QStringList others;
    for (const model::AmpItem& item : items) {
        switch (item.kind) {
        case Kind::OutputLevel:
            levels << QString::number(item.number);
            break;
        case Kind::OutputSource:
            sources << QString::number(item.number);
            break;
        case Kind::MasterVolume:
            others << QStringLiteral("celková hlasitost");
            break;
        case Kind::InputParameter:
            others << inputParameterText(item.number, item.parameter);
            break;
        case Kind::Power:
            others << QStringLiteral("zapnutí");
            break;
        }
    }
    QStringList parts{outputsText(levels, QStringLiteral("hlasitost")),
                      outputsText(sources, QStringLiteral("zdroj"))};
    parts << others;
    parts.removeAll(QString());
    if (parts.isEmpty())
        return {};
    return QStringLiteral("Zesilovač nepotvrdil: ") + parts.join(QStringLiteral(", "));
}

} // namespace orfa::panel
