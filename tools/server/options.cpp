#include "tools/server/options.h"

#include <functional>
#include <map>
#include <sstream>

#include "tools/common/whole_number.h"
#include "tools/server/web_pages.h"
#include "tools/server/wire.h"

namespace tlj::server {
namespace {

// Amounts stay far below what a frame's four-byte final can carry.
constexpr std::int64_t kMaxCoins = 100'000'000;
constexpr std::int64_t kMaxMs = 3'600'000;

using Setter = std::function<std::string(const std::string& value, GameConfig& game)>;

// A whole number in lo..hi stored through `store`; the error text otherwise.
Setter Number(const char* what, std::int64_t lo, std::int64_t hi,
              std::function<void(GameConfig&, std::int64_t)> store) {
  return [=](const std::string& value, GameConfig& game) -> std::string {
    std::int64_t n = 0;
    if (!tools::ParseWholeNumber64(value, lo, hi, n)) {
      return std::string(what) + " must be a number from " + std::to_string(lo) + " to " +
             std::to_string(hi) + ", not '" + value + "'";
    }
    store(game, n);
    return "";
  };
}

std::string BotCoins(const std::string& value, GameConfig& game) {
  std::vector<Coins> coins;
  std::istringstream items(value);
  std::string item;
  while (std::getline(items, item, ',')) {
    std::int64_t n = 0;
    if (!tools::ParseWholeNumber64(item, 0, kMaxCoins, n)) {
      return "the bots' coins must be numbers from 0 to " + std::to_string(kMaxCoins) +
             " separated by commas, not '" + value + "'";
    }
    coins.push_back(n);
  }
  if (coins.empty()) return "the bots' coins must not be empty";
  game.bot_coins = std::move(coins);
  return "";
}

std::string BotLeaves(const std::string& value, GameConfig& game) {
  const auto colon = value.find(':');
  int bot = 0;
  int hand = 0;
  if (colon == std::string::npos ||
      !tools::ParseWholeNumber(value.substr(0, colon), 1, 1'000'000, bot) ||
      !tools::ParseWholeNumber(value.substr(colon + 1), 1, 1'000'000, hand)) {
    return "--bot-leaves takes BOT:HAND, two numbers from 1, not '" + value + "'";
  }
  game.bot_leaves = BotLeave{bot, hand};
  return "";
}

const std::map<std::string, Setter>& GameOptions() {
  static const std::map<std::string, Setter> options = {
      {"--seed",
       Number("the seed", 0, 0xFFFF'FFFF,
              [](GameConfig& g, std::int64_t n) { g.seed = static_cast<std::uint32_t>(n); })},
      {"--hands", Number("the hands per game", 1, 100,
                         [](GameConfig& g, std::int64_t n) { g.hands = static_cast<int>(n); })},
      {"--ante",
       Number("the ante", 1, 1'000'000, [](GameConfig& g, std::int64_t n) { g.ante = n; })},
      {"--bot-delay", Number("the bot delay", 0, kMaxMs,
                             [](GameConfig& g, std::int64_t n) { g.bot_delay_ms = n; })},
      {"--bot-think", Number("the bots' thinking time", 0, kMaxMs,
                             [](GameConfig& g, std::int64_t n) { g.bot_think_ms = n; })},
      {"--turn-seconds",
       Number("the turn length", 1, 255,
              [](GameConfig& g, std::int64_t n) { g.turn_seconds = static_cast<int>(n); })},
      {"--turn-grace", Number("the turn grace", 0, 3600,
                              [](GameConfig& g, std::int64_t n) { g.turn_grace_ms = n * 1000; })},
      {"--coins", Number("the starting coins", 0, kMaxCoins,
                         [](GameConfig& g, std::int64_t n) { g.coins = n; })},
      {"--tables", Number("the number of tables", 1, 100,
                          [](GameConfig& g, std::int64_t n) { g.tables = static_cast<int>(n); })},
      {"--bot-chat",
       Number("the bots' chat chance", 0, 1'000'000,
              [](GameConfig& g, std::int64_t n) { g.bot_chat = static_cast<int>(n); })},
      {"--shuffle-seats",
       Number("the games between seat changes", 0, 1'000'000,
              [](GameConfig& g, std::int64_t n) { g.shuffle_every = static_cast<int>(n); })},
      {"--bot-coins", BotCoins},
      {"--bot-leaves", BotLeaves},
  };
  return options;
}

// The login reply carries the address as single-byte text in a field of its own size.
std::string AdPage(const std::string& value, std::string& ad_page) {
  if (value.empty()) return "the advertisement page's address must not be empty";
  if (value.size() > kAdPageSize) {
    return "the advertisement page's address must be at most " + std::to_string(kAdPageSize) +
           " characters, not " + std::to_string(value.size());
  }
  for (const char c : value) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte <= ' ' || byte > '~') {
      return "the advertisement page's address must be printable ASCII without spaces, not '" +
             value + "'";
    }
  }
  ad_page = value;
  return "";
}

// What the options say together, once each has been read.
std::string CheckTogether(const Options& o, bool web_port_given) {
  if (!o.web && web_port_given) return "--web-port and --no-web do not go together";
  if (o.web && o.web_port != 0 && o.web_port == o.port) {
    return "the web port must differ from the game port";
  }
  if (o.web && o.ad_page.empty() && WebAddress(o.host, 65535, kAdvertPath).size() > kAdPageSize) {
    return "the page address " + WebAddress(o.host, 65535, kAdvertPath) +
           " would not fit the login reply's " + std::to_string(kAdPageSize) +
           " characters; name a shorter one with --ad-page";
  }
  return "";
}

}  // namespace

ParsedOptions ParseOptions(const std::vector<std::string>& args) {
  ParsedOptions parsed;
  Options& o = parsed.options;
  bool web_port_given = false;
  for (std::size_t i = 0; i < args.size() && parsed.error.empty(); ++i) {
    const std::string& arg = args[i];
    const auto game_option = GameOptions().find(arg);
    const bool takes_value = arg == "--host" || arg == "--port" || arg == "--accounts" ||
                             arg == "--phrases" || arg == "--web-port" || arg == "--ad-page" ||
                             game_option != GameOptions().end();
    if (takes_value && i + 1 == args.size()) {
      parsed.error = "option '" + arg + "' needs a value";
    } else if (game_option != GameOptions().end()) {
      parsed.error = game_option->second(args[++i], o.game);
    } else if (arg == "--host") {
      o.host = args[++i];
      if (o.host.empty()) parsed.error = "the host must not be empty";
    } else if (arg == "--port") {
      if (!tools::ParseWholeNumber(args[++i], 0, 65535, o.port)) {
        parsed.error = "the port must be a number from 0 to 65535, not '" + args[i] + "'";
      }
    } else if (arg == "--accounts") {
      o.accounts = args[++i];
      if (o.accounts.empty()) parsed.error = "the accounts file must not be empty";
    } else if (arg == "--phrases") {
      o.phrases = args[++i];
      if (o.phrases.empty()) parsed.error = "the phrases file must not be empty";
    } else if (arg == "--web-port") {
      web_port_given = true;
      if (!tools::ParseWholeNumber(args[++i], 0, 65535, o.web_port)) {
        parsed.error = "the web port must be a number from 0 to 65535, not '" + args[i] + "'";
      }
    } else if (arg == "--no-web") {
      o.web = false;
    } else if (arg == "--ad-page") {
      parsed.error = AdPage(args[++i], o.ad_page);
    } else if (arg == "--verbose") {
      o.verbose = true;
    } else if (arg == "--transcript") {
      o.transcript = true;
    } else if (arg == "--summary") {
      o.summary = true;
    } else if (arg == "--help" || arg == "-h") {
      parsed.help = true;
    } else {
      parsed.error = "unknown option '" + arg + "'";
    }
  }
  if (parsed.error.empty() && !parsed.help) parsed.error = CheckTogether(o, web_port_given);
  return parsed;
}

const char* Usage() {
  return "Usage: tlj-server [OPTION]...\n"
         "The game server: tables of four seats, empty seats taken by bots.\n"
         "\n"
         "  --host HOST         address to listen on (default 127.0.0.1)\n"
         "  --port PORT         port to listen on; 0 or none: a free one in 20000..32767\n"
         "  --accounts FILE     lines 'account:password' ('#' starts a comment); only these\n"
         "                      may log in (default: everyone)\n"
         "  --web-port PORT     port the advertisement pages are served on over HTTP;\n"
         "                      0 or none: a free one in 20000..32767\n"
         "  --no-web            serve no pages; the login reply names none but --ad-page's\n"
         "  --ad-page URL       the advertisement page the login reply names, instead of the\n"
         "                      server's own http://HOST:WEBPORT/ad.html (at most 100\n"
         "                      characters of printable ASCII); the client shows URL.gamead\n"
         "                      while seats are shuffled\n"
         "  --verbose           where the pages are served, and one line per frame,\n"
         "                      connection and page request on standard error\n"
         "                      (seats counted from 1; passwords shown as ***)\n"
         "  --transcript        one line per table event on standard output\n"
         "  --summary           at the stop, the counts of frames, hands and games and the\n"
         "                      coin audit on standard error (--verbose says them too)\n"
         "\n"
         "The game:\n"
         "  --seed N            seed of all chance: the same seed plays the same games\n"
         "                      (default 1)\n"
         "  --hands N           hands per game (default 4)\n"
         "  --ante N            each player's stake at the start of a hand (default 100)\n"
         "  --coins N           a new player's coins (default 50000)\n"
         "  --tables N          tables of four seats; a login takes the first free seat\n"
         "                      (default 1)\n"
         "  --turn-seconds S    turn length sent to the players (default 15)\n"
         "  --turn-grace S      the server gives up for a silent player S seconds after\n"
         "                      the turn length (default 10)\n"
         "  --bot-delay MS      wait before bots take empty seats (default 2000)\n"
         "  --bot-think MS      a bot's time to get ready or to answer a turn (default 800)\n"
         "  --bot-chat N        at each hand, each bot says a phrase with a chance of one\n"
         "                      in N, 1 to 3 s after the deal; 0: never (default 8)\n"
         "  --phrases FILE      what the bots say: an INI file in GBK, sections [chat1]\n"
         "                      (quick phrases) and [chat2] (voice phrases), each with\n"
         "                      'num=N' and the keys 1..N (default: chat.txt beside the\n"
         "                      program; without it the bots say nothing)\n"
         "  --shuffle-seats N   after every N games at a table the bots change seats, a\n"
         "                      person keeps his; the players see the new seating 3 s\n"
         "                      after all are ready; 0: never (default 0)\n"
         "\n"
         "For tests:\n"
         "  --bot-coins A,B,..  starting coins of bot 1, bot 2, ... (default: 20000..80000)\n"
         "  --bot-leaves N:H    bot N leaves at its turn in the table's H-th hand\n"
         "\n"
         "Prints 'tlj-server: listening on HOST:PORT' on standard output once it listens.\n"
         "SIGINT or SIGTERM stops it.\n";
}

}  // namespace tlj::server
