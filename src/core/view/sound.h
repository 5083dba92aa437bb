#pragma once
// The sound module: one playback buffer; starting a sound stops whatever was playing.

#include <array>
#include <string>

namespace tlj::view {

inline bool g_bSound = true;
inline bool g_bMusic = true;
inline bool g_bCardClick = true;
inline bool g_bAltSkin = false;              // the table shows its second background, pic4
inline std::string g_sSoundPath;             // the game's event sounds, ends with '/'
inline std::string g_sVoicePath;             // voice-phrase clips, ends with '/'
inline std::array<std::string, 7> g_sSound;  // common sounds, entries 1..6

void BuildSoundTable();
void InitSound();
void PlaySoundFile(const std::string& path, bool loop);
void StopSound();
void SetSoundVolume(int level);
// An event sound: the file once at full volume, only while event sounds are on (g_bSound).
void PlayEventSoundFile(const std::string& path);
// The same for a file of the game's sound folder.
void PlayEventSound(const std::string& name);

// Start-up: switches on (the second table background off), the table, the device, and the
// background loop at full volume.
void StartSound();
// Shutdown: stops the current sound when sound is on.
void ShutdownSound();
// Drops the effect buffer (a new process).
void ResetSound();

}  // namespace tlj::view
