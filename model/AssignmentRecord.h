#pragma once

// What one button or key does: a function code and 80 bytes of parameters whose layout
// depends on the code. 84 bytes, exchanged byte for byte with the device object.

#include "model/ModelId.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Code 3 (single key).
struct SingleKeyParameters {
    uint16_t scanCode = 0; // set-1 make code
    uint16_t zero = 0;
    uint32_t flags = 0; // SingleKeyFlag bits
    uint32_t unused[18] = {};
};

namespace SingleKeyFlag {
inline constexpr uint32_t Extended = 0x1;
inline constexpr uint32_t Alt = 0x2; // captured with Alt held (context bit of the key message)
} // namespace SingleKeyFlag

// Codes 4 (macro) and 18 (profile): the target's identifier.
struct IdParameters {
    ModelId id;
    uint32_t unused[16] = {};
};

// Codes 5 (macro) and 19 (profile): the target's name, NUL-terminated.
struct NameParameters {
    static constexpr size_t kMaxChars = 39; // plus the terminator
    char16_t name[kMaxChars + 1] = {};
};

struct AssignmentRecord {
    static constexpr size_t kParameterBytes = 80;

    int32_t function = 0; // FunctionCode; -1 nothing assigned
    uint32_t parameters[kParameterBytes / 4] = {};

    // Records with the parameter layouts filled in (all other bytes zero).
    static AssignmentRecord Make(int32_t function);
    static AssignmentRecord SingleKey(uint16_t scanCode, uint32_t flags = 0);
    static AssignmentRecord WithId(int32_t function, const ModelId& id);
    // The name is cut to 39 characters.
    static AssignmentRecord WithName(int32_t function, std::u16string_view name);

    SingleKeyParameters GetSingleKey() const;
    ModelId GetId() const;
    // The name up to its NUL (or all 40 characters when there is none).
    std::u16string GetName() const;

    friend bool operator==(const AssignmentRecord&, const AssignmentRecord&) = default;
};

static_assert(sizeof(SingleKeyParameters) == AssignmentRecord::kParameterBytes);
static_assert(offsetof(SingleKeyParameters, scanCode) == 0);
static_assert(offsetof(SingleKeyParameters, flags) == 4);
static_assert(sizeof(IdParameters) == AssignmentRecord::kParameterBytes);
static_assert(offsetof(IdParameters, id) == 0);
static_assert(sizeof(NameParameters) == AssignmentRecord::kParameterBytes);
static_assert(sizeof(AssignmentRecord) == 84);
static_assert(offsetof(AssignmentRecord, function) == 0);
static_assert(offsetof(AssignmentRecord, parameters) == 4);
