#include "tools/server/game_server.h"

#include <algorithm>
#include <limits>
#include <ostream>
#include <utility>

#include "tools/server/frame_text.h"

namespace tlj::server {

GameServer::GameServer(platform::EventLoop& loop, GameConfig config, AccountBook accounts,
                       std::ostream* log, std::ostream* transcript)
    : loop_(loop),
      house_(std::move(config)),
      accounts_(std::move(accounts)),
      log_(log),
      transcript_(transcript) {
  const Table::Outlet outlet{
      [this](int connection, const Frame& frame) { SendTo(connection, frame); },
      [this](const std::string& line) { WriteTranscript(line); }};
  for (int number = 1; number <= house_.config.tables; ++number) {
    tables_.push_back(std::make_unique<Table>(number, loop, house_, outlet));
  }
}

void GameServer::Open(int connection, const std::string& peer, Session::Send send) {
  ++house_.stats.connections;
  auto& session = sessions_[connection];
  session = std::make_unique<Session>();
  session->id = connection;
  session->token = TokenFor(house_.stats.connections);
  session->send = std::move(send);
  Log("open " + Who(connection) + " from " + peer);
}

void GameServer::Receive(int connection, std::span<const std::uint8_t> bytes) {
  const auto it = sessions_.find(connection);
  if (it == sessions_.end()) return;
  Session& session = *it->second;
  for (const Frame& frame : session.assembler.Add(bytes)) {
    ++house_.stats.frames;
    Log("recv " + Who(connection) + " " + DescribeReceived(frame));
    Handle(session, frame);
  }
}

void GameServer::Close(int connection, const std::string& reason) {
  const auto it = sessions_.find(connection);
  if (it == sessions_.end()) return;
  std::string line = "close " + Who(connection) + ": " + reason;
  if (const auto pending = it->second->assembler.Pending(); pending > 0) {
    line += "; " + std::to_string(pending) + " bytes of an unfinished frame dropped";
  }
  Log(line);
  if (const auto place = PlaceOf(connection)) {
    tables_[static_cast<std::size_t>(place->table)]->Disconnect(connection);
  }
  sessions_.erase(connection);
}

CoinAudit GameServer::AuditCoins() const {
  CoinAudit audit{house_.stats.coins_in, house_.stats.coins_out, house_.stats.fees, 0};
  for (const auto& table : tables_) audit.at_tables += table->CoinsHere();
  return audit;
}

std::optional<GameServer::Place> GameServer::PlaceOf(int connection) const {
  for (std::size_t t = 0; t < tables_.size(); ++t) {
    if (const auto seat = tables_[t]->SeatOf(connection)) return Place{static_cast<int>(t), *seat};
  }
  return std::nullopt;
}

void GameServer::Handle(Session& session, const Frame& frame) {
  switch (frame[net::kTypeAt]) {
    case kTypeLogin:
      Login(session, frame);
      break;
    case kTypeReconnect:
      Reconnect(session, frame);
      break;
    case kTypeKeepAlive:
      KeepAlive(session, frame);
      break;
    case kTypeReadyOrLeave:
      ReadyOrLeave(session, frame);
      break;
    case kTypeBet:
      Bet(session, frame);
      break;
    case kTypeChat:
      Chat(session, frame);
      break;
    default:
      CountIgnored(session, "type " + std::to_string(frame[net::kTypeAt]) + " is not handled");
  }
}

Table* GameServer::ChooseTable() {
  for (const auto& table : tables_) {
    if (table->HasFreeSeat()) return table.get();
  }
  for (const auto& table : tables_) {
    if (table->CanMakeRoom()) return table.get();
  }
  return nullptr;
}

bool GameServer::AccountSeated(const std::string& account, Session& session) {
  for (const auto& table : tables_) {
    const auto seat = table->SeatOfAccount(account);
    if (!seat) continue;
    // A seat still held after its game is given up for a fresh start.
    if (table->At(*seat)->held && !table->GameRunning()) {
      Log("release " + Who(session.id) + ": " + account + " logs in afresh");
      table->Release(*seat);
      continue;
    }
    return true;
  }
  return false;
}

void GameServer::Login(Session& session, const Frame& frame) {
  const std::string account = ReadField(frame, kAccountAt, kAccountSize);
  const std::string password = ReadField(frame, kPasswordAt, kPasswordSize);
  if (account.empty() || !accounts_.Accepts(account, password)) {
    Reply(session, LoginReply(kLoginRefused));
    return;
  }
  const auto turn_seconds =
      static_cast<std::uint8_t>(std::clamp(house_.config.turn_seconds, 1, 255));
  if (const auto place = PlaceOf(session.id)) {
    const Player* p = tables_[static_cast<std::size_t>(place->table)]->At(place->seat);
    const bool same = p->profile.account == account;
    Reply(session, same ? LoginReply(kLoginAccepted, turn_seconds, house_.config.ad_page)
                        : LoginReply(kLoginTableFull));
    return;
  }
  Table* table = AccountSeated(account, session) ? nullptr : ChooseTable();
  if (table == nullptr) {
    Reply(session, LoginReply(kLoginTableFull));
    return;
  }
  const auto known = house_.members.find(account);
  const Coins starting_coins = std::max<Coins>(house_.config.coins, 0);
  Profile profile = known != house_.members.end()
                        ? known->second
                        : PersonProfile(account, starting_coins, house_.config.seed);
  // Somebody who lost everything starts again with the starting coins.
  if (profile.coins < 2 * house_.config.ante) profile.coins = starting_coins;
  ++profile.logins;
  house_.members[account] = profile;
  const int seat = table->Seat(session.id, session.token, std::move(profile));
  Reply(session, LoginReply(kLoginAccepted, turn_seconds, house_.config.ad_page));
  table->Welcome(seat);
}

void GameServer::Reconnect(Session& session, const Frame& frame) {
  const std::uint32_t hand_id = net::ReadLe32(frame, net::kHandIdAt);
  if (hand_id >= kHandIdLimit) {
    CountInvalid(session, "hand id out of range");
    return;
  }
  const std::string account = ReadField(frame, kAccountAt, kAccountSize);
  const std::string password = ReadField(frame, kPasswordAt, kPasswordSize);
  if (account.empty() || !accounts_.Accepts(account, password) || PlaceOf(session.id)) {
    Reply(session, ReconnectReply(kReconnectRefused));
    return;
  }
  for (const auto& table : tables_) {
    if (const auto seat = table->HeldSeat(account, ReadToken(frame), hand_id)) {
      Reply(session, ReconnectReply(kReconnectAccepted));
      table->Reconnect(*seat, session.id, session.token);
      return;
    }
  }
  Reply(session, ReconnectReply(kReconnectRefused));
}

bool GameServer::OwnSeatCode(const Session& session, const Frame& frame, bool zero_allowed) {
  const auto place = PlaceOf(session.id);
  const std::uint8_t code = frame[net::kSeatAt];
  if ((zero_allowed && code == 0) || (place && code == SeatBit(place->seat))) return true;
  CountInvalid(session, "seat code " + std::to_string(code) + " is not the sender's");
  return false;
}

void GameServer::KeepAlive(Session& session, const Frame& frame) {
  // A client learns its seat from the arrival command, so 0 is fine before that. A reconnecting
  // client sends what its keep-alive timer queued meanwhile as soon as the new link is up, ahead
  // of its reconnect request: nothing wrong, nothing to do.
  if (!PlaceOf(session.id)) {
    CountIgnored(session, "keep-alive before a login");
    return;
  }
  OwnSeatCode(session, frame, true);
}

void GameServer::ReadyOrLeave(Session& session, const Frame& frame) {
  const auto place = PlaceOf(session.id);
  switch (frame[net::kStatusAt]) {
    case kStatusLeave:
      // Also what a client sends after it was removed: nothing left to do then.
      if (place && OwnSeatCode(session, frame, true)) {
        tables_[static_cast<std::size_t>(place->table)]->Leave(session.id);
      }
      break;
    case kStatusReady:
      if (!place) {
        CountIgnored(session, "ready without a seat");
      } else if (OwnSeatCode(session, frame, false)) {
        Judge(session, tables_[static_cast<std::size_t>(place->table)]->Ready(session.id));
      }
      break;
    default:
      CountInvalid(session, "status " + std::to_string(frame[net::kStatusAt]) + " of type 16");
  }
}

void GameServer::Bet(Session& session, const Frame& frame) {
  const auto place = PlaceOf(session.id);
  if (!place) {
    CountInvalid(session, "a bet without a seat");
    return;
  }
  if (!OwnSeatCode(session, frame, false)) return;
  const std::uint8_t flag = frame[kHotPotAt];
  const std::uint64_t amount = ReadBe64(frame, kBetAmountAt);
  if (flag > 1) {
    CountInvalid(session, "hot-pot flag " + std::to_string(flag));
  } else if (amount > static_cast<std::uint64_t>(std::numeric_limits<Coins>::max())) {
    CountInvalid(session, "stake out of range");
  } else {
    Judge(session, tables_[static_cast<std::size_t>(place->table)]->Answer(
                       session.id, static_cast<Coins>(amount), flag == 1));
  }
}

void GameServer::Chat(Session& session, const Frame& frame) {
  const auto place = PlaceOf(session.id);
  if (!place) {
    CountIgnored(session, "chat without a seat");
    return;
  }
  const platform::TimeMs now = loop_.Now();
  auto& said = session.chat_times;
  while (!said.empty() && now - said.front() >= kChatWindowMs) said.pop_front();
  if (std::cmp_greater_equal(said.size(), house_.config.chat_lines_per_second)) {
    CountIgnored(session, "more than " + std::to_string(house_.config.chat_lines_per_second) +
                              " chat lines within a second");
    return;
  }
  const Verdict verdict = tables_[static_cast<std::size_t>(place->table)]->Chat(place->seat, frame);
  if (verdict.kind == Verdict::Kind::kTaken) said.push_back(now);
  Judge(session, verdict);
}

void GameServer::SendTo(int connection, const Frame& frame) {
  const auto it = sessions_.find(connection);
  if (it == sessions_.end()) return;
  Frame stamped = frame;
  WriteToken(stamped, it->second->token);
  Log("send " + Who(connection) + " " + DescribeSent(stamped));
  it->second->send(stamped);
}

void GameServer::Reply(Session& session, const Frame& frame) {
  SendTo(session.id, frame);
}

void GameServer::Judge(const Session& session, const Verdict& verdict) {
  if (verdict.kind == Verdict::Kind::kIgnored) CountIgnored(session, verdict.why);
  if (verdict.kind == Verdict::Kind::kInvalid) CountInvalid(session, verdict.why);
}

void GameServer::CountIgnored(const Session& session, const std::string& why) {
  ++house_.stats.ignored;
  Log("ignored " + Who(session.id) + ": " + why);
}

void GameServer::CountInvalid(const Session& session, const std::string& why) {
  ++house_.stats.invalid;
  constexpr std::size_t kKept = 10;
  if (house_.stats.first_invalid.size() < kKept)
    house_.stats.first_invalid.push_back(Who(session.id) + ": " + why);
  Log("invalid " + Who(session.id) + ": " + why);
}

std::string GameServer::Who(int connection) const {
  std::string seat = "-";
  if (const auto place = PlaceOf(connection)) {
    seat = std::to_string(place->seat + 1);
    if (tables_.size() > 1) seat = std::to_string(place->table + 1) + "." + seat;
  }
  return "conn=" + std::to_string(connection) + " seat=" + seat;
}

void GameServer::Log(const std::string& line) const {
  if (log_ != nullptr) *log_ << line << std::endl;
}

void GameServer::WriteTranscript(const std::string& line) const {
  if (transcript_ != nullptr) *transcript_ << line << std::endl;
}

}  // namespace tlj::server
