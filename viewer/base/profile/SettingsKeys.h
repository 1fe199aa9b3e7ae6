#pragma once

#include <cstdint>
#include <string_view>

namespace orvd {

// The keys of the settings file, each with the default that a missing or unreadable value
// gives; the main window's keys and the location editor's own key share the one section.
template <class T> struct SettingKey {
    std::string_view Name;
    T Default;
};

inline constexpr std::string_view kSettingsSection = "Config";

namespace SettingKeys {
inline constexpr SettingKey<std::string_view> Language{"Language", "Engli"};
inline constexpr SettingKey<std::int32_t> AnimationSpeed{"AnimationSpeed", 20};
inline constexpr SettingKey<bool> Animate{"Animate", true};
inline constexpr SettingKey<bool> Cross{"Cross", true};
inline constexpr SettingKey<std::string_view> CrossColor{"CrossColor", "clWhite"};
inline constexpr SettingKey<std::string_view> BorderColor{"BorderColor", "$0080FFFF"};
inline constexpr SettingKey<std::int32_t> BorderStyle{"BorderStyle", 3};
inline constexpr SettingKey<bool> AskBackup{"AskBackup", true};
} // namespace SettingKeys

} // namespace orvd
