#include "model/AssignmentRecord.h"

#include <cstring>

namespace {
template <typename Layout>
void Store(AssignmentRecord& record, const Layout& layout)
{
    std::memcpy(record.parameters, &layout, sizeof layout);
}

template <typename Layout>
Layout Fetch(const AssignmentRecord& record)
{
    Layout layout;
    std::memcpy(&layout, record.parameters, sizeof layout);
    return layout;
}
} // namespace

AssignmentRecord AssignmentRecord::Make(int32_t function)
{
    AssignmentRecord record;
    record.function = function;
    return record;
}

AssignmentRecord AssignmentRecord::SingleKey(uint16_t scanCode, uint32_t flags)
{
    AssignmentRecord record = Make(3);
    SingleKeyParameters key;
    key.scanCode = scanCode;
    key.flags = flags;
    Store(record, key);
    return record;
}

AssignmentRecord AssignmentRecord::WithId(int32_t function, const ModelId& id)
{
    AssignmentRecord record = Make(function);
    IdParameters parameters;
    parameters.id = id;
    Store(record, parameters);
    return record;
}

AssignmentRecord AssignmentRecord::WithName(int32_t function, std::u16string_view name)
{
    AssignmentRecord record = Make(function);
    NameParameters parameters;
    name = name.substr(0, NameParameters::kMaxChars);
    std::copy(name.begin(), name.end(), parameters.name);
    Store(record, parameters);
    return record;
}

SingleKeyParameters AssignmentRecord::GetSingleKey() const { return Fetch<SingleKeyParameters>(*this); }

ModelId AssignmentRecord::GetId() const { return Fetch<IdParameters>(*this).id; }

std::u16string AssignmentRecord::GetName() const
{
    const NameParameters parameters = Fetch<NameParameters>(*this);
    size_t length = 0;
    while (length < std::size(parameters.name) && parameters.name[length] != 0)
        ++length;
    return std::u16string(parameters.name, length);
}
