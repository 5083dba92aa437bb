#pragma once
// The files beside the program.

namespace tlj::settings {

inline constexpr const char* kVideoSettingsFile = "vidiosetting.ini";
inline constexpr const char* kRecordFile = "info.xh";       // the finished games of this table
inline constexpr const char* kCustomCursor = "custom.cur";  // the pointer over the dealt card

}  // namespace tlj::settings
