#include "core/game/score_sheet.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <string_view>

#include "core/game/ready_countdown.h"
#include "core/game/record_file.h"
#include "core/game/table_model.h"
#include "core/model/amount_text.h"
#include "core/model/button_indexes.h"
#include "core/model/elements.h"
#include "core/model/lobby_window.h"
#include "core/model/table_state.h"
#include "core/net/frame_fields.h"
#include "core/net/link_state.h"
#include "core/net/pump.h"
#include "core/platform/services.h"
#include "core/text/ansi.h"
#include "core/view/pot_panel.h"
#include "core/view/sound.h"
#include "core/view/table_windows.h"

namespace tlj::game {
namespace {

// The end-of-game frame's fields.
namespace sheet = net::game_over;

constexpr int kMaxLevel = 40;
constexpr std::size_t kGameNumberWidth = 12;
constexpr int kScoringErrorExit = 1;

// A value the sheet cannot show: the sheet stops and the process ends.
struct ScoringError {};

struct ResultBlock {
  std::uint8_t seat = 0;
  double returned = 0;
  double total = 0;
  double final = 0;
  std::uint8_t marker = 0;
  std::uint8_t level = 0;
  std::uint8_t result = 0;
};

// The level marker is also the fifth byte of the final amount; the final is read without it,
// or every final of a block that carries a level would grow by marker × 2^32.
ResultBlock ReadBlock(const net::Frame& message, std::size_t i) {
  const std::size_t b = sheet::kBlocksAt + sheet::kBlockSize * i;
  net::Frame final_field = message;
  final_field[b + sheet::kLevelMarker] = 0;
  return {message[b + sheet::kSeat],
          net::ReadAmount(message, b + sheet::kReturned),
          net::ReadAmount(message, b + sheet::kTotal),
          net::ReadAmount(final_field, b + sheet::kFinal),
          message[b + sheet::kLevelMarker],
          message[b + sheet::kLevel],
          message[b + sheet::kResult]};
}

std::int32_t ReadRoomBars(const net::Frame& message) {
  std::uint32_t value = 0;
  for (std::size_t k = 0; k < 4; ++k) value = value << 8 | message[sheet::kRoomBarsAt + k];
  return static_cast<std::int32_t>(value);
}

// Zero bytes count as blanks; blanks around the text are dropped.
std::string ReadResultText(const net::Frame& message) {
  std::string ansi(message.begin() + sheet::kResultTextAt,
                   message.begin() + sheet::kResultTextAt + sheet::kResultTextSize);
  std::replace(ansi.begin(), ansi.end(), '\0', ' ');
  const std::size_t first = ansi.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text::AnsiToUtf8(ansi.substr(first, ansi.find_last_not_of(' ') - first + 1));
}

void AddLines(platform::Element& list, std::initializer_list<std::string> lines) {
  list.lines.insert(list.lines.end(), lines);
}

// The model's 16-bit counters cannot count past their largest value: a scoring error.
void CountUp(std::int16_t& counter) {
  if (counter == std::numeric_limits<std::int16_t>::max()) throw ScoringError{};
  ++counter;
}

// Wins and losses are the profile's 32-bit counts and are only shown. No frame carries more
// than 2^31 - 1, so a count that has got there stays there instead of ending the game for the
// whole table.
void CountResult(std::int32_t& count) {
  if (count < std::numeric_limits<std::int32_t>::max()) ++count;
}

bool InLevelRange(int level) {
  return level >= 1 && level <= kMaxLevel;
}

void ClearTablePanel() {
  view::ZeroPotPanel();
  for (int i = 0; i < 4; ++i) {
    model::g_dNetWin[static_cast<std::size_t>(i)] = 0;
    model::ElOf("frmMingXi", "labName", i).caption.clear();
    model::ElOf("frmMingXi", "labCoin", i).caption.clear();
  }
}

// The result lines, the game's grade and the running total of one position. A loss shows minus
// signs only when both amounts are non-zero; otherwise it is listed like a win, without the
// result text.
void ShowResult(int pos, const ResultBlock& r, const std::string& result_text) {
  if (r.result != sheet::kWon && r.result != sheet::kLost) return;
  auto& state = model::ElOf("Score", "State", pos);
  auto& final_line = model::ElOf("Score", "State", pos + 4);
  auto& grade = model::ElOf("Hero", "Grade", pos);
  double& running = model::g_dTotalScore[static_cast<std::size_t>(pos)];
  const std::string total = model::AmountText(r.total);
  const std::string final = model::AmountText(r.final);
  if (r.result == sheet::kLost && r.total != 0 && r.final != 0) {
    AddLines(state, {"总分：- " + total + "金币", "", "", "", "总分：-" + final + "金币"});
    final_line.lines.push_back("最终分：-" + final + "金币");
    grade.lines.push_back("-" + total);
    running -= r.total;
  } else {
    const std::string shown_text = r.result == sheet::kWon ? result_text : "";
    AddLines(state, {"总分：" + total + "金币", "", shown_text, "", "总分：" + final + "金币"});
    final_line.lines.push_back("最终分：" + final + "金币");
    grade.lines.push_back(total);
    running += r.final;
  }
  model::ElOf("Hero", "sunScore", pos).caption = model::AmountText(running);
}

void ShowCoinsAndCounts(int pos, const ResultBlock& r, bool coin_table) {
  model::PlayerProfile& p = model::profile[static_cast<std::size_t>(pos)];
  if (r.result == sheet::kWon) {
    CountResult(p.wins);
    p.coins += r.final;
  } else if (r.result == sheet::kLost) {
    CountResult(p.losses);
    p.coins = std::max(0.0, p.coins - r.total);
  }
  model::El("Cash", pos).caption = model::AmountText(p.coins) + (coin_table ? "金币" : "金条");
}

void ShowLevel(int pos, const ResultBlock& r, std::string& errors) {
  if (InLevelRange(r.marker)) {
    if (!InLevelRange(r.level)) throw ScoringError{};
    auto& level = model::El("Level", pos);
    level.caption = LevelTitle(r.level);
    model::BringToFront(level);
  } else {
    errors += "显示级别" + std::to_string(r.level);
  }
}

void AddGameNumber() {
  CountUp(model::juNum);
  std::string number = std::to_string(model::juNum);
  if (number.size() < kGameNumberWidth) number.resize(kGameNumberWidth, ' ');
  model::ElOf("Hero", "Num").lines.push_back(number);
}

// The table waits for the next game: the ready button and the 15-second countdown.
void WaitForNextGame() {
  model::ClearSysmsg(0);
  model::AddSysmsg(0, "请点击【继续】按钮继续游戏！");
  model::g_bBtnLocked[model::kReadyButton] = false;
  net::HandInProgress = false;
  model::g_bGameStarted = false;
  model::ClearSysmsg(1);
  model::AddSysmsg(1, "游戏将在15秒内开始");
  if (model::g_bSpectator) return;
  game::StartReadyCountdown(15, model::kGreen);
}

void ShowPlayersInScoreWindow() {
  for (std::size_t i = 0; i < 4; ++i) {
    const model::InfoEntry& info = model::g_tInfo[i];
    model::ElOf("Score", "ID", static_cast<int>(i)).caption = info.nick;
    if (HasPicIndex(info))
      view::ShowAvatar(model::ElOf("Score", "Tou", static_cast<int>(i)), info.PicIndex);
  }
}

void BuildSheet(const net::Frame& message, std::string& errors) {
  ClearTablePanel();
  const std::string result_text = ReadResultText(message);
  const std::int32_t room_bars = ReadRoomBars(message);
  const bool coin_table = message[sheet::kCoinTableAt] == 1;
  for (std::size_t i = 0; i < 4; ++i) {
    const ResultBlock r = ReadBlock(message, i);
    const int pos = ScreenPos(r.seat);
    AddLines(model::ElOf("Score", "State", pos),
             {"", "房间条数：" + std::to_string(room_bars) + "金币", "",
              "返还彩池数: " + model::AmountText(r.returned) + "金币", ""});
    ShowResult(pos, r, result_text);
    ShowCoinsAndCounts(pos, r, coin_table);
    ShowLevel(pos, r, errors);
  }
  AddGameNumber();
  if (!model::g_bHidden) model::Win("Score").visible = true;
  WaitForNextGame();
  if (view::g_bCardClick) {
    view::PlaySoundFile("", false);
    view::SetSoundVolume(3000);
  }
  ShowPlayersInScoreWindow();
  WriteGameRecord(model::juNum);
}

[[noreturn]] void ScoringFailed(const std::string& errors) {
  platform::ShowMessageBox(model::kProgramTitle, "算分错误" + errors);
  model::RestoreLobby();
  platform::EndProcess(kScoringErrorExit);
}

}  // namespace

std::string LevelTitle(int level) {
  static constexpr std::array<std::string_view, 10> kDigits{"",   "一", "二", "三", "四",
                                                            "五", "六", "七", "八", "九"};
  const auto tens = static_cast<std::size_t>(level / 10);
  const auto ones = static_cast<std::size_t>(level % 10);
  std::string numeral;
  if (tens > 1) numeral += kDigits[tens];
  if (tens > 0) numeral += "十";
  numeral += kDigits[ones];
  return "第" + numeral + "级";
}

void ShowScoreSheet(const net::Frame& message) {
  std::string errors;
  try {
    BuildSheet(message, errors);
  } catch (const ScoringError&) {
    ScoringFailed(errors);
  }
}

void ShowStoredSheet(int n) {
  if (n <= 0) return;
  const StoredSheet sheet = ReadGameRecord(n);
  for (std::size_t i = 0; i < 4; ++i) {
    model::ElOf("Score", "ID", static_cast<int>(i)).caption = sheet.names[i];
    if (sheet.pictures[i])
      view::ShowAvatar(model::ElOf("Score", "Tou", static_cast<int>(i)), *sheet.pictures[i]);
  }
  for (std::size_t j = 0; j < sheet.lists.size(); ++j) {
    auto& lines = model::ElOf("Score", "State", static_cast<int>(j)).lines;
    lines = sheet.lists[j];
  }
}

}  // namespace tlj::game
