#pragma once

// ModelId <-> GUID: the same 16 bytes in memory order, for the device object's calls.

#include "model/ModelId.h"
#include "platform/com/Guid.h"

#include <cstring>

inline GUID ToGuid(const ModelId& id)
{
    GUID guid;
    std::memcpy(&guid, id.words, sizeof guid);
    return guid;
}

inline ModelId ToModelId(const GUID& guid)
{
    ModelId id;
    std::memcpy(id.words, &guid, sizeof id.words);
    return id;
}
