#include "service/ProfileState.h"

#include "service/MouseLayout.h"

#include <algorithm>

namespace quor::service {

ProfileState ProfileState::Factory(REFGUID id, std::u16string name)
{
    ProfileState profile;
    profile.id = id;
    profile.name = std::move(name);
    profile.flags = kFactoryProfileFlags;
    profile.rangeMin = kFactoryRangeMin;
    profile.rangeMax = kFactoryRangeMax;
    profile.rangeStep = kFactoryRangeStep;
    for (int32_t value : kFactoryStages)
        profile.stages.emplace_back(value, value);
    profile.stageIndex = kFactoryStageIndex;
    profile.currentX = profile.stages[kFactoryStageIndex - 1].first;
    profile.currentY = profile.stages[kFactoryStageIndex - 1].second;
    for (const auto& slot : kButtonSlots) {
        DeviceAssignment record;
        record.target = slot.deviceIndex;
        record.kind = DEVICE_KIND_MOUSE;
        record.SetWord(12, slot.factoryCode);
        profile.buttons.push_back(record);
    }
    for (uint16_t scanCode : kThumbKeys) {
        DeviceAssignment record;
        record.target = scanCode;
        record.kind = DEVICE_KIND_KEY;
        record.SetHalf(12, scanCode);
        profile.keys.push_back(record);
    }
    profile.lights.assign(kLightKinds.size(), 1);
    return profile;
}

int32_t ProfileState::Clamp(int32_t value) const { return std::clamp(value, rangeMin, std::max(rangeMin, rangeMax)); }

HRESULT CopyAssignments(const std::vector<DeviceAssignment>& from, uint32_t* count, DeviceAssignment* records)
{
    if (!count || (!records && *count))
        return E_POINTER;
    const size_t copied = std::min<size_t>(*count, from.size());
    std::copy_n(from.begin(), copied, records);
    *count = static_cast<uint32_t>(copied);
    return copied == from.size() ? S_OK : S_FALSE;
}

HRESULT ApplyAssignments(std::vector<DeviceAssignment>& to, uint32_t count, const DeviceAssignment* records)
{
    if (!records && count)
        return E_POINTER;
    std::vector<DeviceAssignment> changed = to;
    for (uint32_t i = 0; i < count; ++i) {
        const DeviceAssignment& record = records[i];
        auto slot = std::find_if(changed.begin(), changed.end(), [&](const auto& r) { return r.target == record.target; });
        if (slot == changed.end() || record.kind > DEVICE_KIND_ADVANCED)
            return E_INVALIDARG;
        *slot = record;
        slot->one = 1;
    }
    to = std::move(changed);
    return S_OK;
}

} // namespace quor::service
