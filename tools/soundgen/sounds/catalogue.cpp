#include "tools/soundgen/sounds/catalogue.h"

#include "tools/soundgen/sounds/groups.h"

namespace tlj::soundgen::sounds {

std::vector<Sound> Catalogue() {
  return {
      {kMusicFolder, "majiang.wav", BackgroundLoop},
      {kMusicFolder, "dapai.wav", TilePlayed},
      {kMusicFolder, "qupai.wav", TileDrawn},
      {kMusicFolder, "xipai.wav", TilesShuffled},
      {kMusicFolder, "zhise.wav", DiceRolled},
      {kMusicFolder, "tishi.wav", CountdownBeep},
      {kTableFolder, "coin_move.wav", CoinsMoving},
      {kTableFolder, "giveup.wav", GivingUp},
      {kTableFolder, "deliver_card.wav", CardDealt},
      {kTableFolder, "kanpai.wav", CardTurned},
      {kTableFolder, "victory.wav", Victory},
      {kTableFolder, "vs_win.wav", BetWon},
      {kTableFolder, "vs_lost.wav", BetLost},
      {kVoiceFolder, VoiceClipName(kVoiceSet, kVoiceKind, 1), [] { return Voice(true); }},
      {kVoiceFolder, VoiceClipName(kVoiceSet, kVoiceKind, 0), [] { return Voice(false); }},
  };
}

std::string VoiceClipName(std::string_view voice_set, std::string_view voice_kind, int sex) {
  return "v" + std::string(voice_set) + std::string(voice_kind) + std::to_string(sex) + "0" +
         "a0.wav";
}

}  // namespace tlj::soundgen::sounds
