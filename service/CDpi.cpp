#include "service/CDpi.h"

#include "device/_IDPIEvents.h"
#include "platform/com/Com.h"
#include "service/MouseLayout.h"

#include <algorithm>

namespace quor::service {

void* CDpi::Find(REFIID iid)
{
    if (iid == IID_IDPI)
        return static_cast<IDPI*>(this);
    if (iid == IID_IConnectionPointContainer)
        return static_cast<IConnectionPointContainer*>(this);
    return nullptr;
}

HRESULT CDpi::GetCurrent(int32_t* x, int32_t* y)
{
    if (!x || !y)
        return E_POINTER;
    ProfileState profile;
    const HRESULT read = m_mouse->ReadProfile(m_id, profile);
    if (SUCCEEDED(read)) {
        *x = profile.currentX;
        *y = profile.currentY;
    }
    return read;
}

HRESULT CDpi::SetCurrent(int32_t x, int32_t y)
{
    return m_mouse->EditProfile(m_id, [&](ProfileState& profile) {
        profile.currentX = profile.Clamp(x);
        profile.currentY = profile.Clamp(y);
        return S_OK;
    });
}

HRESULT CDpi::GetStageLimits(int32_t* first, int32_t* maxStages)
{
    if (!first || !maxStages)
        return E_POINTER;
    const HRESULT found = m_mouse->HasProfile(m_id);
    if (SUCCEEDED(found)) {
        *first = kStageLimitFirst;
        *maxStages = kMaxStages;
    }
    return found;
}

HRESULT CDpi::GetStageIndex(int32_t* stage)
{
    if (!stage)
        return E_POINTER;
    ProfileState profile;
    const HRESULT read = m_mouse->ReadProfile(m_id, profile);
    if (SUCCEEDED(read))
        *stage = profile.stageIndex;
    return read;
}

HRESULT CDpi::SetStageIndex(int32_t stage)
{
    return m_mouse->EditProfile(m_id, [&](ProfileState& profile) {
        if (stage < 1 || stage > static_cast<int32_t>(profile.stages.size()))
            return E_INVALIDARG;
        profile.stageIndex = stage;
        std::tie(profile.currentX, profile.currentY) = profile.stages[static_cast<size_t>(stage - 1)];
        return S_OK;
    });
}

HRESULT CDpi::GetStages(uint32_t* count, int32_t** pairs)
{
    if (!count || !pairs)
        return E_POINTER;
    *count = 0;
    *pairs = nullptr;
    ProfileState profile;
    if (const HRESULT read = m_mouse->ReadProfile(m_id, profile); FAILED(read))
        return read;
    auto* copy = static_cast<int32_t*>(CoTaskMemAlloc(profile.stages.size() * 2 * sizeof(int32_t)));
    if (!copy)
        return E_OUTOFMEMORY;
    for (size_t i = 0; i < profile.stages.size(); ++i) {
        copy[2 * i] = profile.stages[i].first;
        copy[2 * i + 1] = profile.stages[i].second;
    }
    *count = static_cast<uint32_t>(profile.stages.size());
    *pairs = copy;
    return S_OK;
}

HRESULT CDpi::SetStages(uint32_t count, const int32_t* pairs)
{
    if (!pairs)
        return E_POINTER;
    if (count < 1 || count > static_cast<uint32_t>(kMaxStages))
        return E_INVALIDARG;
    return m_mouse->EditProfile(m_id, [&](ProfileState& profile) {
        profile.stages.clear();
        for (uint32_t i = 0; i < count; ++i)
            profile.stages.emplace_back(profile.Clamp(pairs[2 * i]), profile.Clamp(pairs[2 * i + 1]));
        // The mouse runs at its current stage's values.
        profile.stageIndex = std::min(profile.stageIndex, static_cast<int32_t>(count));
        std::tie(profile.currentX, profile.currentY) = profile.stages[static_cast<size_t>(profile.stageIndex - 1)];
        return S_OK;
    });
}

HRESULT CDpi::GetRange(int32_t* minimum, int32_t* maximum, int32_t* step)
{
    if (!minimum || !maximum || !step)
        return E_POINTER;
    ProfileState profile;
    const HRESULT read = m_mouse->ReadProfile(m_id, profile);
    if (SUCCEEDED(read)) {
        *minimum = profile.rangeMin;
        *maximum = profile.rangeMax;
        *step = profile.rangeStep;
    }
    return read;
}

HRESULT CDpi::EnumConnectionPoints(void** points)
{
    if (points)
        *points = nullptr;
    return E_NOTIMPL;
}

HRESULT CDpi::FindConnectionPoint(REFIID iid, IConnectionPoint** point)
{
    return m_events.FindConnectionPoint(this, iid, point);
}

} // namespace quor::service
