#include "model/AmpItem.h"

#include "link/AnswerDecoder.h"
#include "link/CommandBuilder.h"
#include "link/Instructions.h"
#include "link/ValueCodec.h"
#include "spinel/Spinel97.h"

#include <algorithm>

namespace orfa::model {

std::vector<AmpItem> itemsSetBy(const link::Bytes& frame) {
    if (frame.size() <= spinel::kFrame97InstructionOffset)
        return {};
    // A command frame carries its data where an answer does.
    const link::Bytes data = link::answerData(frame);
    std::vector<AmpItem> items;
    switch (frame[spinel::kFrame97InstructionOffset]) {
    case link::kSetOutputLevels:
        for (const link::BytePair& pair : link::answerPairs(frame)) {
            const AmpItem item = AmpItem::outputLevel(pair.first);
            if (std::find(items.begin(), items.end(), item) == items.end())
                items.push_back(item);
        }
        break;
    case link::kSetOutputSource:
        if (!data.empty())
            items.push_back(AmpItem::outputSource(data[0]));
        break;
    case link::kSetMasterVolume:
        items.push_back(AmpItem::masterVolume());
        break;
    case link::kSetInputParameter:
        if (const auto address =
                data.empty() ? std::nullopt : link::decodeInputParameterCode(data[0]))
            items.push_back(AmpItem::inputParameter(address->box, address->parameter));
        break;
    case link::kSetPower:
        items.push_back(AmpItem::power());
        break;
    default:
        break;
    }
    return items;
}

RequestBuilder requestReading(AmpItem::Kind kind) {
    switch (kind) {
    case AmpItem::Kind::OutputLevel:
        return link::buildReadOutputLevels;
    case AmpItem::Kind::OutputSource:
        return link::buildReadOutputSources;
    case AmpItem::Kind::MasterVolume:
        return link::buildReadMasterVolume;
    case AmpItem::Kind::InputParameter:
        return link::buildReadInputParameters;
    case AmpItem::Kind::Power:
        break;
    }
    return link::buildReadPower;
}

} // namespace orfa::model
