#include "service/DeviceJson.h"

#include "device/DeviceIds.h"
#include "device/ProfileProperty.h"
#include "service/MouseLayout.h"
#include "service/TextConversion.h"

#include <algorithm>
#include <cstdio>

namespace quor::service {

using nlohmann::json;
namespace com = quor::com;

namespace {

std::string Hex(const uint8_t* data, size_t bytes)
{
    static const char kDigits[] = "0123456789abcdef";
    std::string text;
    for (size_t i = 0; i < bytes; ++i) {
        text += kDigits[data[i] >> 4];
        text += kDigits[data[i] & 0xF];
    }
    return text;
}

bool FromHex(const std::string& text, uint8_t* data, size_t bytes)
{
    if (text.size() != bytes * 2)
        return false;
    auto digit = [](char c) {
        return c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
    };
    for (size_t i = 0; i < bytes; ++i) {
        const int high = digit(text[2 * i]);
        const int low = digit(text[2 * i + 1]);
        if (high < 0 || low < 0)
            return false;
        data[i] = static_cast<uint8_t>(high << 4 | low);
    }
    return true;
}

std::string Version(uint32_t major, uint32_t minor)
{
    char text[32];
    std::snprintf(text, sizeof text, "%u.%02u", major, minor);
    return text;
}

// Readable fields beside the exact bytes, for people reading status and files.
json AssignmentToJson(const DeviceAssignment& record)
{
    json value{{"target", record.target}, {"kind", record.kind}, {"data", Hex(record.data, sizeof record.data)}};
    switch (record.kind) {
    case DEVICE_KIND_MOUSE:
        value["code"] = record.Word(12);
        break;
    case DEVICE_KIND_MACRO:
        value["macro"] = com::GuidToString(record.Id(12));
        break;
    case DEVICE_KIND_PROFILE:
        value["subCode"] = record.Word(12);
        if (record.Word(12) == DEVICE_SUBCODE_SELECT)
            value["profile"] = com::GuidToString(record.Id(16));
        break;
    case DEVICE_KIND_SENSITIVITY:
        value["subCode"] = record.Word(12);
        if (record.Word(12) == DEVICE_SUBCODE_SELECT)
            value["stage"] = record.Word(16) + 1;
        break;
    case DEVICE_KIND_KEY:
        value["scanCode"] = record.Half(12);
        value["modifiers"] = record.Word(14);
        break;
    default:
        break;
    }
    return value;
}

json EventRecordToJson(const MacroEventRecord& record)
{
    if (record.kind == MACRO_EVENT_KEY)
        return {{"kind", "key"},
                {"scanCode", record.ScanCode()},
                {"released", (record.Flags() & MACRO_KEY_RELEASED) != 0},
                {"extended", (record.Flags() & MACRO_KEY_EXTENDED) != 0}};
    if (record.kind == MACRO_EVENT_PAUSE)
        return {{"kind", "pause"}, {"milliseconds", record.PauseLength()}};
    return {{"kind", record.kind}, {"data", Hex(record.data, sizeof record.data)}};
}

// Field readers that refuse anything but the expected type and range.
class Reader {
public:
    explicit Reader(std::string& error) : m_error(error) {}

    const json* Field(const json& object, const char* name, json::value_t type)
    {
        if (!object.is_object()) {
            Fail(std::string("expected an object around \"") + name + "\"");
            return nullptr;
        }
        auto found = object.find(name);
        const bool numberWanted = type == json::value_t::number_integer;
        if (found == object.end() || (numberWanted ? !found->is_number_integer() : found->type() != type)) {
            Fail(std::string("missing or wrong \"") + name + "\"");
            return nullptr;
        }
        return &*found;
    }
    bool Integer(const json& object, const char* name, int64_t low, int64_t high, int64_t& value)
    {
        const json* field = Field(object, name, json::value_t::number_integer);
        if (!field)
            return false;
        value = field->is_number_unsigned() ? static_cast<int64_t>(std::min<uint64_t>(field->get<uint64_t>(), INT64_MAX))
                                            : field->get<int64_t>();
        if (value < low || value > high)
            return Fail(std::string("\"") + name + "\" out of range");
        return true;
    }
    bool Text(const json& object, const char* name, size_t maxUnits, std::u16string& value)
    {
        const json* field = Field(object, name, json::value_t::string);
        if (!field)
            return false;
        value = FromUtf8(field->get_ref<const std::string&>());
        if (value.size() > maxUnits || value.find(u'\0') != std::u16string::npos)
            return Fail(std::string("\"") + name + "\" too long");
        return true;
    }
    bool Fail(const std::string& reason)
    {
        if (m_error.empty())
            m_error = reason;
        return false;
    }

private:
    std::string& m_error;
};

bool AssignmentFromJson(Reader& reader, const json& value, DeviceAssignment& record)
{
    int64_t target = 0;
    int64_t kind = 0;
    if (!reader.Integer(value, "target", 0, UINT32_MAX, target) || !reader.Integer(value, "kind", 0, DEVICE_KIND_ADVANCED, kind))
        return false;
    const json* data = reader.Field(value, "data", json::value_t::string);
    if (!data)
        return false;
    DeviceAssignment parsed;
    parsed.target = static_cast<uint32_t>(target);
    parsed.kind = static_cast<uint32_t>(kind);
    if (!FromHex(data->get_ref<const std::string&>(), parsed.data, sizeof parsed.data))
        return reader.Fail("bad assignment data");
    record = parsed;
    return true;
}

// Assignments must name exactly the device's own targets, each once.
bool AssignmentsFromJson(Reader& reader, const json& document, const char* name, std::vector<DeviceAssignment>& records)
{
    const json* list = reader.Field(document, name, json::value_t::array);
    if (!list)
        return false;
    std::vector<DeviceAssignment> parsed = records;
    std::vector<bool> seen(records.size(), false);
    for (const auto& item : *list) {
        DeviceAssignment record;
        if (!AssignmentFromJson(reader, item, record))
            return false;
        auto slot = std::find_if(parsed.begin(), parsed.end(), [&](const auto& r) { return r.target == record.target; });
        if (slot == parsed.end() || seen[static_cast<size_t>(slot - parsed.begin())])
            return reader.Fail(std::string("unknown or repeated target in \"") + name + "\"");
        seen[static_cast<size_t>(slot - parsed.begin())] = true;
        *slot = record;
    }
    if (std::find(seen.begin(), seen.end(), false) != seen.end())
        return reader.Fail(std::string("missing targets in \"") + name + "\"");
    records = parsed;
    return true;
}

bool MacroEventsFromJson(Reader& reader, const json& list, std::vector<MacroEventRecord>& events)
{
    if (list.size() > kMaxMacroEvents)
        return reader.Fail("too many events");
    for (const auto& item : list) {
        const json* kind = reader.Field(item, "kind", json::value_t::string);
        if (!kind)
            return false;
        if (*kind == "key") {
            int64_t scanCode = 0;
            const json* released = reader.Field(item, "released", json::value_t::boolean);
            const json* extended = reader.Field(item, "extended", json::value_t::boolean);
            if (!reader.Integer(item, "scanCode", 0, UINT16_MAX, scanCode) || !released || !extended)
                return false;
            const auto flags = static_cast<uint16_t>((released->get<bool>() ? MACRO_KEY_RELEASED : 0) |
                                                     (extended->get<bool>() ? MACRO_KEY_EXTENDED : 0));
            events.push_back(MacroEventRecord::Key(static_cast<uint16_t>(scanCode), flags));
        } else if (*kind == "pause") {
            int64_t milliseconds = 0;
            if (!reader.Integer(item, "milliseconds", 0, UINT32_MAX, milliseconds))
                return false;
            events.push_back(MacroEventRecord::Pause(static_cast<uint32_t>(milliseconds)));
        } else {
            return reader.Fail("unknown event kind");
        }
    }
    return true;
}

std::optional<json> ParseDocument(const std::string& text, const char* format, std::string& error)
{
    json document = json::parse(text, nullptr, false);
    if (document.is_discarded() || !document.is_object()) {
        error = "not a JSON document";
        return std::nullopt;
    }
    auto name = document.find("format");
    auto version = document.find("version");
    if (name == document.end() || *name != format) {
        error = "not a file of this kind";
        return std::nullopt;
    }
    if (version == document.end() || !version->is_number_integer() || version->get<int64_t>() < 1 ||
        version->get<int64_t>() > kFileFormatVersion) {
        error = "unsupported version";
        return std::nullopt;
    }
    return document;
}

} // namespace

json ProfileToJson(const ProfileState& profile)
{
    json stages = json::array();
    for (const auto& [x, y] : profile.stages)
        stages.push_back({{"x", x}, {"y", y}});
    json buttons = json::array();
    for (const auto& record : profile.buttons)
        buttons.push_back(AssignmentToJson(record));
    json keys = json::array();
    for (const auto& record : profile.keys)
        keys.push_back(AssignmentToJson(record));
    json lights = json::array();
    for (size_t i = 0; i < profile.lights.size() && i < kLightKinds.size(); ++i)
        lights.push_back({{"kind", kLightKinds[i]}, {"state", profile.lights[i]}});
    return {{"id", com::GuidToString(profile.id)},
            {"name", ToUtf8(profile.name)},
            {"program", ToUtf8(profile.program)},
            {"flags", profile.flags},
            {"range", {{"min", profile.rangeMin}, {"max", profile.rangeMax}, {"step", profile.rangeStep}}},
            {"stages", stages},
            {"stageIndex", profile.stageIndex},
            {"current", {{"x", profile.currentX}, {"y", profile.currentY}}},
            {"buttons", buttons},
            {"keys", keys},
            {"lights", lights}};
}

json MacroToJson(const MacroState& macro)
{
    json events = json::array();
    for (const auto& record : macro.events)
        events.push_back(EventRecordToJson(record));
    return {{"id", com::GuidToString(macro.id)}, {"name", ToUtf8(macro.name)}, {"events", events}};
}

json SnapshotToJson(const DeviceSnapshot& snapshot)
{
    json profiles = json::array();
    for (const auto& profile : snapshot.profiles)
        profiles.push_back(ProfileToJson(profile));
    json macros = json::array();
    for (const auto& macro : snapshot.macros)
        macros.push_back(MacroToJson(macro));
    json rate = nullptr;
    for (size_t i = 0; i < kPollingIntervals.size(); ++i) {
        if (kPollingIntervals[i] == snapshot.pollingInterval)
            rate = kPollingRates[i];
    }
    return {{"devices", json::array({{{"type", QUOR_DEVICE_TYPE},
                                      {"driverVersion", Version(kDriverMajor, kDriverMinor)},
                                      {"firmwareVersion", Version(kFirmwareMajor, kFirmwareMinor)},
                                      {"plugged", snapshot.plugged}}})},
            {"profiles", profiles},
            {"currentProfile", snapshot.currentProfile == GUID_NULL ? json(nullptr) : json(com::GuidToString(snapshot.currentProfile))},
            {"macros", macros},
            {"acceleration", {{"enabled", snapshot.accelerationEnabled}, {"level", snapshot.accelerationLevel}}},
            {"pollingRate", {{"interval", snapshot.pollingInterval}, {"rate", rate}, {"supported", kPollingRates}}}};
}

json EventToJson(const DeviceEvent& event, const DeviceSnapshot* snapshot)
{
    json line{{"sequence", event.sequence}};
    switch (event.kind) {
    case DeviceEventKind::ProfileChanged:
        line["event"] = "profile";
        line["value"] = event.value;
        line["profile"] = com::GuidToString(event.profile);
        break;
    case DeviceEventKind::DpiChanged:
        line["event"] = "dpi";
        line["profile"] = com::GuidToString(event.profile);
        line["x"] = event.x;
        line["y"] = event.y;
        break;
    case DeviceEventKind::Plug:
        line["event"] = event.value ? "arrival" : "removal";
        line["path"] = ToUtf8(kDeviceInterfacePath);
        break;
    }
    if (snapshot && event.profile != GUID_NULL) {
        for (const auto& profile : snapshot->profiles) {
            if (profile.id == event.profile)
                line["name"] = ToUtf8(profile.name);
        }
    }
    return line;
}

std::string ProfileFileText(const ProfileState& profile)
{
    json document{{"format", kProfileFormat}, {"version", kFileFormatVersion}, {"profile", ProfileToJson(profile)}};
    return document.dump(2, ' ', false, json::error_handler_t::replace) + "\n";
}

std::string MacroFileText(const MacroState& macro)
{
    json document{{"format", kMacroFormat}, {"version", kFileFormatVersion}, {"macro", MacroToJson(macro)}};
    return document.dump(2, ' ', false, json::error_handler_t::replace) + "\n";
}

bool ParseProfileFile(const std::string& text, ProfileState& profile, std::string& error)
{
    error.clear();
    const auto document = ParseDocument(text, kProfileFormat, error);
    if (!document)
        return false;
    Reader reader(error);
    const json* body = reader.Field(*document, "profile", json::value_t::object);
    if (!body)
        return false;
    ProfileState parsed = profile;
    int64_t flags = 0, minimum = 0, maximum = 0, step = 0, stageIndex = 0;
    const json* range = reader.Field(*body, "range", json::value_t::object);
    const json* stages = reader.Field(*body, "stages", json::value_t::array);
    const json* current = reader.Field(*body, "current", json::value_t::object);
    const json* lights = reader.Field(*body, "lights", json::value_t::array);
    if (!reader.Text(*body, "name", kMaxNameLength, parsed.name) ||
        !reader.Text(*body, "program", PROFILE_PROGRAM_CHARS - 1, parsed.program) ||
        !reader.Integer(*body, "flags", 0, 0x7, flags) || !range || !stages || !current || !lights ||
        !reader.Integer(*range, "min", 1, INT32_MAX, minimum) || !reader.Integer(*range, "max", minimum, INT32_MAX, maximum) ||
        !reader.Integer(*range, "step", 1, INT32_MAX, step) ||
        !reader.Integer(*body, "stageIndex", 1, kMaxStages, stageIndex))
        return false;
    parsed.flags = static_cast<uint16_t>(flags);
    parsed.rangeMin = static_cast<int32_t>(minimum);
    parsed.rangeMax = static_cast<int32_t>(maximum);
    parsed.rangeStep = static_cast<int32_t>(step);
    if (stages->empty() || stages->size() > kMaxStages || static_cast<size_t>(stageIndex) > stages->size())
        return reader.Fail("bad stage count");
    parsed.stages.clear();
    for (const auto& stage : *stages) {
        int64_t x = 0, y = 0;
        if (!reader.Integer(stage, "x", minimum, maximum, x) || !reader.Integer(stage, "y", minimum, maximum, y))
            return false;
        parsed.stages.emplace_back(static_cast<int32_t>(x), static_cast<int32_t>(y));
    }
    parsed.stageIndex = static_cast<int32_t>(stageIndex);
    int64_t x = 0, y = 0;
    if (!reader.Integer(*current, "x", minimum, maximum, x) || !reader.Integer(*current, "y", minimum, maximum, y))
        return false;
    parsed.currentX = static_cast<int32_t>(x);
    parsed.currentY = static_cast<int32_t>(y);
    if (!AssignmentsFromJson(reader, *body, "buttons", parsed.buttons) || !AssignmentsFromJson(reader, *body, "keys", parsed.keys))
        return false;
    if (lights->size() != kLightKinds.size())
        return reader.Fail("bad light count");
    for (size_t i = 0; i < kLightKinds.size(); ++i) {
        int64_t kind = 0, state = 0;
        if (!reader.Integer((*lights)[i], "kind", kLightKinds[i], kLightKinds[i], kind) ||
            !reader.Integer((*lights)[i], "state", 0, 1, state))
            return false;
        parsed.lights[i] = static_cast<uint32_t>(state);
    }
    profile = std::move(parsed);
    return true;
}

bool ParseMacroFile(const std::string& text, MacroState& macro, std::string& error)
{
    error.clear();
    const auto document = ParseDocument(text, kMacroFormat, error);
    if (!document)
        return false;
    Reader reader(error);
    const json* body = reader.Field(*document, "macro", json::value_t::object);
    if (!body)
        return false;
    MacroState parsed = macro;
    const json* events = reader.Field(*body, "events", json::value_t::array);
    if (!reader.Text(*body, "name", kMaxNameLength, parsed.name) || !events)
        return false;
    parsed.events.clear();
    if (!MacroEventsFromJson(reader, *events, parsed.events))
        return false;
    macro = std::move(parsed);
    return true;
}

} // namespace quor::service
