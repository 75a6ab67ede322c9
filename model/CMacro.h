#pragma once

// A named macro: its events, the device's identifier for it and the file it was imported from.

#include "model/MacroEvent.h"
#include "model/ModelId.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class CMacro {
public:
    static constexpr size_t kMaxNameChars = 255; // a fixed 256-character field with the NUL

    // The name is cut to 255 characters.
    explicit CMacro(std::u16string_view name = {});
    virtual ~CMacro() = default;

    std::u16string GetName() const { return m_name; }
    // The name is fixed at creation; only the device object's scratch copies are renamed.
    void SetName(std::u16string_view name);

    ModelId GetId() const { return m_id; }
    void SetMacroId(uint32_t w0, uint32_t w1, uint32_t w2, uint32_t w3);

    const std::u16string& GetSourcePath() const { return m_sourcePath; }
    void SetSourcePath(std::u16string_view path) { m_sourcePath = path; }

    const std::vector<MacroEvent>& GetEvents() const { return m_events; }
    size_t GetEventCount() const { return m_events.size(); }
    void SetEvents(const std::vector<MacroEvent>& events) { m_events = events; }

    // Same id, same name regardless of case, and the same events in all three fields.
    bool IsSameMacro(const CMacro& other) const;

private:
    std::u16string m_name;
    ModelId m_id;
    std::vector<MacroEvent> m_events;
    std::u16string m_sourcePath;
};
