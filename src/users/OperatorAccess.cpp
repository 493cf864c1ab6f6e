#include "users/OperatorAccess.h"

namespace orfa::users {
namespace {

template <typename Array> auto entryAt(const Array& entries, int number) {
    using Entry = typename Array::value_type;
    if (number < 1 || number > static_cast<int>(entries.size()))
        return Entry{};
    return entries.at(static_cast<std::size_t>(number - 1));
}

} // namespace

OperatorAccess::OperatorAccess(const config::IoNames& names, const UserRights& rights,
                               LevelRule levelRule)
    : names_(names)
    , rights_(rights)
    , levelRule_(levelRule) {}

OperatorAccess OperatorAccess::unrestricted() {
    config::IoNames names;
    for (auto& source : names.sources)
        source = config::IoEntry{{}, true};
    for (auto& output : names.outputs)
        output = config::IoEntry{{}, true};
    UserRights rights = UserRights::noRights();
    grantAllRights(rights);
    return {names, rights, LevelRule::FlagAndVolume};
}

bool OperatorAccess::outputEnabled(int output) const {
    const auto entry = entryAt(names_.outputs, output);
    return entry && entry->enabled;
}

bool OperatorAccess::sourceEnabled(int source) const {
    const auto entry = entryAt(names_.sources, source);
    return entry && entry->enabled;
}

bool OperatorAccess::maySwitchSources(int output) const {
    return outputEnabled(output) && flags::allows(rights_.sourceSwitching, output);
}

bool OperatorAccess::mayChangeLevel(int output) const {
    if (!outputEnabled(output) || !flags::allows(rights_.outputs, output))
        return false;
    return levelRule_ == LevelRule::FlagAndVolume || maySwitchSources(output);
}

bool OperatorAccess::mayChooseSource(int output, int source) const {
    return maySwitchSources(output) && flags::allows(rights_.enabledInputs, source);
}

bool OperatorAccess::mayConfigureInput(int box) const {
    for (const int source : {2 * box - 1, 2 * box}) {
        if (sourceEnabled(source) && flags::allows(rights_.inputs, source))
            return true;
    }
    return false;
}

bool OperatorAccess::mayChangeMasterVolume() const {
    return UserRights::granted(rights_.masterVolume);
}

bool OperatorAccess::mayUseRadio() const {
    return UserRights::granted(rights_.radio);
}

bool OperatorAccess::mayRecallPresets() const {
    return UserRights::granted(rights_.activatePresets);
}

bool OperatorAccess::mayStorePresets() const {
    return UserRights::granted(rights_.storePresets);
}

} // namespace orfa::users
