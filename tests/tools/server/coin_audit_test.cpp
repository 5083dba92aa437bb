// The coins of the tables, audited after every event of the server and at every frame it sends:
// whoever sits down, leaves, loses the link, is sent away or changes seats, every coin that came
// to the tables is still there, was taken away, or was kept as a fee.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "tests/tools/server/game_test_fixture.h"

namespace tlj::server::testing {
namespace {

Frame LeaveFrom(const Person& person) {
  return ClientFrame(16, person.seat_code, 0);
}

using Answer = std::function<std::optional<Coins>(const Frame&)>;

class CoinAuditTest : public GameFixture {
 protected:
  // Frames go out in the middle of the server's work, where the coins must add up too.
  CoinAuditTest() {
    watch = [this](const Person&, const Frame&) { Check(false); };
  }
  // Every test is held to the balance from its first check to its last.
  void TearDown() override {
    EXPECT_GT(checks_, 0);
    EXPECT_EQ(first_fault_, "");
  }

  // Audits the coins now; the first fault is kept with the moment it was found. At rest between
  // events while no game runs, nobody is between leaving and being seen off: the tables show
  // every coin they hold.
  void Check(bool at_rest = true) {
    ++checks_;
    if (!first_fault_.empty()) return;
    const CoinAudit audit = Audit();
    std::string fault;
    if (!audit.Balanced()) {
      fault = audit.Text();
    } else if (at_rest && NoGameRunning() && audit.at_tables != Shown()) {
      fault =
          "at the tables " + std::to_string(audit.at_tables) + ", shown " + std::to_string(Shown());
    }
    if (!fault.empty()) first_fault_ = "at " + std::to_string(loop.Now()) + " ms: " + fault;
  }
  // Runs until `done` holds, auditing after every event.
  bool Until(const std::function<bool()>& done, platform::TimeMs limit = 3'600'000) {
    return RunUntil(
        [&] {
          Check();
          return done();
        },
        limit);
  }
  void Pass(platform::TimeMs ms) {
    Until([] { return false; }, ms);
  }

  // Starts the server and seats people by account, each answering its turns as given, and the bots.
  std::vector<Person*> SeatWithBots(const GameConfig& config,
                                    const std::vector<std::pair<std::string, Answer>>& accounts) {
    StartServer(config);
    std::vector<Person*> seated;
    for (const auto& [account, answer] : accounts) seated.push_back(&Join(account, answer));
    EXPECT_TRUE(Until([&] { return Full(); }));
    return seated;
  }

  CoinAudit Audit() const { return server->AuditCoins(); }
  // The players' coins and the pots, as the tables show them.
  Coins Shown() const {
    Coins coins = 0;
    for (int table = 0; table < server->TableCount(); ++table) coins += MoneyOnTable(table);
    return coins - server->TableCount() * server->Stats().fees;
  }
  bool NoGameRunning() const {
    for (int table = 0; table < server->TableCount(); ++table) {
      if (Table(table).game_running) return false;
    }
    return true;
  }
  std::optional<int> SeatNumber(const std::string& account, int table = 0) const {
    const TableView view = Table(table);
    for (int seat = 0; seat < kSeatCount; ++seat) {
      const auto& place = view.seats[static_cast<std::size_t>(seat)];
      if (place && place->account == account) return seat;
    }
    return std::nullopt;
  }
  std::optional<SeatView> SeatOf(const std::string& account, int table = 0) const {
    const auto seat = SeatNumber(account, table);
    if (!seat) return std::nullopt;
    return Table(table).seats[static_cast<std::size_t>(*seat)];
  }
  bool Full(int table = 0) const {
    const TableView view = Table(table);
    return std::all_of(view.seats.begin(), view.seats.end(),
                       [](const auto& seat) { return seat.has_value(); });
  }
  bool Empty(int table = 0) const {
    const TableView view = Table(table);
    return std::none_of(view.seats.begin(), view.seats.end(),
                        [](const auto& seat) { return seat.has_value(); });
  }
  // Gets everybody named ready and runs until one more game is over.
  void PlayAnotherGame(const std::vector<Person*>& players) {
    const int games = server->Stats().games;
    for (Person* person : players) Ready(*person);
    ASSERT_TRUE(Until([&] { return server->Stats().games > games; }));
  }

  int checks_ = 0;

 private:
  std::string first_fault_;
};

TEST_F(CoinAuditTest, WholeGamesWithBotsKeepEveryCoinButTheFees) {
  StartServer();
  Person& me = Join("abc", BetMin);
  Check();
  EXPECT_EQ(Audit().in, server->Config().coins);
  ASSERT_TRUE(Until([&] { return Full(); }));
  const Coins brought = Shown();
  EXPECT_EQ(Audit().in, brought) << "the bots' coins came with them";

  Ready(me);
  ASSERT_TRUE(Until([&] { return me.Count(9) == 3; }));
  const CoinAudit played = Audit();
  EXPECT_EQ(played.in, brought) << "nobody came";
  EXPECT_EQ(played.out, 0) << "nobody went";
  EXPECT_GT(played.fees, 0);
  EXPECT_EQ(played.fees, server->Stats().fees);

  // The last person gone, the bots go too, and with them every coin left.
  Send(me, LeaveFrom(me));
  Check();
  EXPECT_TRUE(Empty());
  const CoinAudit left = Audit();
  EXPECT_EQ(left.at_tables, 0);
  EXPECT_EQ(left.out, brought - played.fees);
  EXPECT_GT(checks_, 100);
}

// The ways a person leaves a table; "abc" comes back afterwards with what it took away.
enum class Way {
  kLeavesDuringAHand,
  kLeavesBetweenHands,
  kLeavesBetweenGames,
  kClosesBetweenGames,
  kClosesWhileTheGameStarts,
  kLinkLostAndTheSeatExpires,
  kRemovedAfterTimeOuts,
};

struct Leaving {
  const char* name;
  Way way;
  friend void PrintTo(const Leaving& c, std::ostream* out) { *out << c.name; }
};

class PersonLeavingTest : public CoinAuditTest, public ::testing::WithParamInterface<Leaving> {};

TEST_P(PersonLeavingTest, TakesItsCoinsAwayAndBringsThemBack) {
  GameConfig config = TestConfig();
  config.bot_coins = {60'000, 60'000};  // no bot goes out meanwhile
  const Way way = GetParam().way;
  const auto seated_people = SeatWithBots(
      config, {{"def", GiveUp}, {"abc", way == Way::kRemovedAfterTimeOuts ? StaySilent : GiveUp}});
  Person& stays = *seated_people[0];
  Person& me = *seated_people[1];
  for (Person* person : seated_people) person->ready_after_game = false;
  const CoinAudit seated = Audit();
  Ready(stays);
  Ready(me);

  switch (way) {
    case Way::kLeavesDuringAHand:
      ASSERT_TRUE(Until([&] { return me.Count(2) == 1; }));
      Send(me, LeaveFrom(me));
      break;
    case Way::kLeavesBetweenHands:
      ASSERT_TRUE(Until([&] { return me.Count(16) == 1; }));
      Send(me, LeaveFrom(me));
      break;
    case Way::kLeavesBetweenGames:
      ASSERT_TRUE(Until([&] { return me.Count(9) == 1; }));
      Send(me, LeaveFrom(me));
      break;
    case Way::kClosesBetweenGames:
      ASSERT_TRUE(Until([&] { return me.Count(9) == 1; }));
      Disconnect(me);
      break;
    case Way::kClosesWhileTheGameStarts:
      ASSERT_TRUE(Until([&] { return me.Count(23) == 4; }));
      ASSERT_EQ(me.Count(1), 0u);
      Disconnect(me);
      break;
    case Way::kLinkLostAndTheSeatExpires:
      ASSERT_TRUE(Until([&] { return me.Count(2) == 1; }));
      Disconnect(me);
      break;
    case Way::kRemovedAfterTimeOuts:
      break;
  }
  ASSERT_TRUE(Until([&] { return !SeatOf("abc"); }));
  const CoinAudit gone = Audit();
  EXPECT_EQ(gone.in, seated.in) << "nobody came";
  EXPECT_GT(gone.out, 0) << "abc took its coins away";

  Person& back = Join("abc", GiveUp);
  back.ready_after_game = false;
  Check();
  ASSERT_TRUE(SeatOf("abc"));
  EXPECT_EQ(Audit().in - gone.in, gone.out) << "what it took away, it brings back";
  EXPECT_EQ(SeatOf("abc")->coins, gone.out);
  PlayAnotherGame({&stays, &back});
}

INSTANTIATE_TEST_SUITE_P(
    Ways, PersonLeavingTest,
    ::testing::Values(Leaving{"LeavesDuringAHand", Way::kLeavesDuringAHand},
                      Leaving{"LeavesBetweenHands", Way::kLeavesBetweenHands},
                      Leaving{"LeavesBetweenGames", Way::kLeavesBetweenGames},
                      Leaving{"ClosesBetweenGames", Way::kClosesBetweenGames},
                      Leaving{"ClosesWhileTheGameStarts", Way::kClosesWhileTheGameStarts},
                      Leaving{"LinkLostAndTheSeatExpires", Way::kLinkLostAndTheSeatExpires},
                      Leaving{"RemovedAfterTimeOuts", Way::kRemovedAfterTimeOuts}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(CoinAuditTest, ALinkThatComesBackInTimeMovesNoCoinInOrOut) {
  Person& me = *SeatWithBots(TestConfig(), {{"abc", GiveUp}})[0];
  Ready(me);
  ASSERT_TRUE(Until([&] { return me.Count(2) == 1; }));
  const CoinAudit before = Audit();
  Disconnect(me);
  Check();
  Person& back = Connect("abc");
  back.seat_code = me.seat_code;
  back.on_turn = GiveUp;
  Send(back, ReconnectFor("abc", me.token, me.hand_id));
  ASSERT_TRUE(SeatOf("abc"));
  EXPECT_FALSE(SeatOf("abc")->held);
  const CoinAudit after = Audit();
  EXPECT_EQ(after.in, before.in);
  EXPECT_EQ(after.out, before.out);
  ASSERT_TRUE(Until([&] { return back.Count(9) == 1; }));
  EXPECT_EQ(Audit().in, before.in);
  EXPECT_EQ(Audit().out, before.out);
}

// Bots that go: out of coins after a hand, in the middle of a hand, or for a person between
// games. Another takes the seat and brings its own coins.
struct BotGoing {
  const char* name;
  std::vector<Coins> bot_coins;
  std::optional<BotLeave> leaves;
  const char* bot;
  bool for_a_person;
  friend void PrintTo(const BotGoing& c, std::ostream* out) { *out << c.name; }
};

class BotGoingTest : public CoinAuditTest, public ::testing::WithParamInterface<BotGoing> {};

TEST_P(BotGoingTest, TakesItsCoinsAwayAndTheNewcomerBringsItsOwn) {
  GameConfig config = TestConfig();
  config.bot_coins = GetParam().bot_coins;
  config.bot_leaves = GetParam().leaves;
  std::vector<Person*> players = SeatWithBots(config, {{"abc", BetMin}});
  const std::string bot = GetParam().bot;
  const int seat = SeatNumber(bot).value();
  const CoinAudit seated = Audit();

  if (GetParam().for_a_person) {
    const Coins had = SeatOf(bot)->coins;
    players.push_back(&Join("def", GiveUp));
    Check();
    EXPECT_EQ(Audit().out - seated.out, had);
  } else {
    players[0]->ready_after_game = false;
    Ready(*players[0]);
    ASSERT_TRUE(Until([&] { return !SeatOf(bot); }));
    EXPECT_EQ(Audit().in, seated.in) << "nobody came";
    EXPECT_GT(Audit().out, seated.out) << bot << " went with its coins";
  }
  ASSERT_TRUE(Until([&] { return Full(); }));
  const SeatView newcomer = Table().seats[static_cast<std::size_t>(seat)].value();
  EXPECT_NE(newcomer.account, bot);
  EXPECT_EQ(Audit().in - seated.in, newcomer.coins);
  PlayAnotherGame(players);
}

INSTANTIATE_TEST_SUITE_P(Ways, BotGoingTest,
                         ::testing::Values(BotGoing{"OutOfCoins", {0}, std::nullopt, "bot1", false},
                                           BotGoing{
                                               "DuringAHand", {}, BotLeave{2, 2}, "bot2", false},
                                           BotGoing{"ForAPerson", {}, std::nullopt, "bot1", true}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST_F(CoinAuditTest, SeatChangesMoveNoCoin) {
  GameConfig config = TestConfig();
  config.hands = 1;
  config.shuffle_every = 1;
  const auto players = SeatWithBots(config, {{"abc", BetMin}, {"def", GiveUp}});
  Person& second = *players[1];
  for (Person* person : players) Ready(*person);
  ASSERT_TRUE(Until([&] { return server->Stats().games == 4; }));
  EXPECT_NE(transcript.str().find(" moves to seat "), std::string::npos);

  // One leaves after a game that changed the seats, and comes back.
  second.ready_after_game = false;
  ASSERT_TRUE(Until([&] { return server->Stats().games == 5; }));
  Send(second, LeaveFrom(second));
  Person& back = Join("def", GiveUp);
  ASSERT_TRUE(server->PlaceOf(back.connection));
  Ready(back);
  ASSERT_TRUE(Until([&] { return server->Stats().games == 8; }));
}

// People at several tables come, play, leave, lose their links and come back at random for a
// few virtual hours; bots go out poor, leave in mid-hand and change seats.
TEST_F(CoinAuditTest, ALongRunAtManyTablesNeitherMakesNorLosesACoin) {
  GameConfig config = TestConfig();
  config.tables = 3;
  config.hands = 2;
  config.coins = 500;  // people run out now and then, and start afresh
  config.bot_coins = {0, 60'000, 300, 0, 0, 400};
  config.bot_leaves = BotLeave{5, 3};
  config.shuffle_every = 2;
  config.hold_ms = 20'000;
  config.timeout_limit = 2;
  StartServer(config);

  struct Away {
    std::uint16_t token = 0;
    std::uint32_t hand_id = 0;
    std::uint8_t seat_code = 0;
    Answer on_turn;
  };
  std::map<std::string, Person*> online;  // each account's open connection
  std::map<std::string, Away> away;       // broken links that may come back
  std::mt19937 random(2024);
  const auto pick = [&](std::uint32_t n) { return static_cast<std::uint32_t>(random() % n); };
  const std::array<Answer, 3> styles = {BetMin, GiveUp, StaySilent};
  for (int round = 0; round < 2000; ++round) {
    const std::uint32_t n = pick(10);
    const std::string account = "p" + std::to_string(n);
    const auto& style = styles[n % styles.size()];
    const auto found = online.find(account);
    Person* const person = found == online.end() ? nullptr : found->second;
    switch (pick(6)) {
      case 0:  // logs in afresh, closing the connection it still has
        if (person) Disconnect(*person);
        away.erase(account);
        online[account] = &Join(account, style);
        break;
      case 1:
        if (person) Ready(*person);
        break;
      case 2:
        if (person) Send(*person, LeaveFrom(*person));
        break;
      case 3:
        if (person) {
          away[account] = {person->token, person->hand_id, person->seat_code, person->on_turn};
          Disconnect(*person);
          online.erase(account);
        }
        break;
      case 4:  // a broken link comes back, in time or too late
        if (!away.empty()) {
          const auto [who, link] = *away.begin();
          away.erase(away.begin());
          Person& back = Connect(who);
          back.on_turn = link.on_turn;
          back.seat_code = link.seat_code;
          Send(back, ReconnectFor(who, link.token, link.hand_id));
          online[who] = &back;
        }
        break;
      default:
        break;
    }
    Check();
    Pass(pick(8'000));
  }
  const int games = server->Stats().games;

  // Everybody goes; the seats held for broken links run out.
  for (const auto& entry : online) Disconnect(*entry.second);
  ASSERT_TRUE(Until([&] { return Empty(0) && Empty(1) && Empty(2); }));
  const CoinAudit end = Audit();
  EXPECT_EQ(end.at_tables, 0);
  EXPECT_EQ(end.in, end.out + end.fees);
  EXPECT_GT(end.fees, 0);
  EXPECT_GT(games, 100);
  EXPECT_GT(checks_, 10'000);
  // The run went every way a player can come to a table and leave it.
  for (const char* what :
       {" sits down at seat ", "gives the seat to a person", " is out with ", "leaves during hand",
        "leaves between hands", "lost the connection", " is back", "did not come back",
        "is removed after", " moves to seat ", "nobody plays here any more"}) {
    EXPECT_NE(transcript.str().find(what), std::string::npos) << what;
  }
}

}  // namespace
}  // namespace tlj::server::testing
