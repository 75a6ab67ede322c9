#pragma once

// The virtual mouse's JSON forms: profile files (.mvp, format "quor-profile"), macro files
// (.mvm, format "quor-macro"), quorctl's status document and event lines. Parsing validates
// everything and reports the first fault; it never throws.

#include "service/DeviceEvent.h"
#include "service/DeviceSnapshot.h"

#include <nlohmann/json.hpp>

#include <string>

namespace quor::service {

inline constexpr char kProfileFormat[] = "quor-profile";
inline constexpr char kMacroFormat[] = "quor-macro";
inline constexpr int kFileFormatVersion = 1;

nlohmann::json ProfileToJson(const ProfileState& profile);
nlohmann::json MacroToJson(const MacroState& macro);
nlohmann::json SnapshotToJson(const DeviceSnapshot& snapshot);
// names: the profile's name for profile events, when known.
nlohmann::json EventToJson(const DeviceEvent& event, const DeviceSnapshot* snapshot = nullptr);

std::string ProfileFileText(const ProfileState& profile);
std::string MacroFileText(const MacroState& macro);

// Fill profile or macro from a file's text; false with a reason when it is not a valid file of
// ours. The id is left alone.
bool ParseProfileFile(const std::string& text, ProfileState& profile, std::string& error);
bool ParseMacroFile(const std::string& text, MacroState& macro, std::string& error);

} // namespace quor::service
