#include "tools/server/profile.h"

#include <algorithm>
#include <array>

#include "tools/server/random.h"

namespace tlj::server {
namespace {

struct BotName {
  const char* nick;
  const char* area;
};

// Men take the faces m1..m10, women w1..w10; the bots alternate between them.
constexpr std::array<BotName, 10> kMen = {{{"李白", "长安"},
                                           {"杜甫", "洛阳"},
                                           {"王维", "蓝田"},
                                           {"苏轼", "眉山"},
                                           {"白居易", "杭州"},
                                           {"孟浩然", "襄阳"},
                                           {"陆游", "绍兴"},
                                           {"辛弃疾", "济南"},
                                           {"杜牧", "扬州"},
                                           {"王勃", "绛州"}}};
constexpr std::array<BotName, 10> kWomen = {{{"李清照", "济南"},
                                             {"薛涛", "成都"},
                                             {"蔡文姬", "陈留"},
                                             {"谢道韫", "会稽"},
                                             {"卓文君", "临邛"},
                                             {"朱淑真", "钱塘"},
                                             {"鱼玄机", "长安"},
                                             {"班昭", "扶风"},
                                             {"上官婉儿", "陕州"},
                                             {"花蕊夫人", "青城"}}};

// People's home towns; each fits the arrival's eight bytes.
constexpr std::array<const char*, 20> kTowns = {
    "北京", "上海", "广州", "深圳", "杭州", "南京", "苏州", "成都", "重庆",   "武汉",
    "西安", "长沙", "天津", "青岛", "厦门", "昆明", "大连", "沈阳", "哈尔滨", "郑州"};

// FNV-1a: a face that stays the same for an account from one run to the next.
std::uint32_t NameHash(const std::string& text) {
  std::uint32_t hash = 2166136261u;
  for (const char c : text) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 16777619u;
  }
  return hash;
}

// Everybody arrives with a past at other tables, so that the player card reads like a regular's:
// counts that fit together (wins and losses from the logins, credit lost to drops, points from
// results). Its own draws, from the account and the seed, leave the table's chance as it was.
void AddPast(Profile& p, std::uint32_t seed) {
  Random random(NameHash(p.account) ^ seed);
  const std::int64_t logins = random.Between(20, 400);
  const std::int64_t games = logins * random.Between(1, 3);
  const std::int64_t wins = games * random.Between(40, 60) / 100;
  const std::int64_t drops = random.Between(0, logins / 25);
  p.logins = static_cast<std::uint32_t>(logins);
  p.wins = static_cast<std::uint32_t>(wins);
  p.losses = static_cast<std::uint32_t>(games - wins);
  p.drops = static_cast<std::uint32_t>(drops);
  p.credit = std::max<Coins>(60, 100 - 2 * drops);
  p.points = 3 * wins + (games - wins);
}

}  // namespace

Profile PersonProfile(const std::string& account, Coins coins, std::uint32_t seed) {
  Profile p;
  p.account = account;
  p.nick = account;
  const std::uint32_t pick = NameHash(account) % 20;
  p.male = pick < 10;
  p.face = std::string(p.male ? "m" : "w") + std::to_string(pick % 10 + 1);
  p.area = kTowns[NameHash(account) / 20 % kTowns.size()];  // other bits than the face's
  p.coins = coins;
  p.tag = "玩家";
  AddPast(p, seed);
  return p;
}

std::string BotAccount(int number) {
  return "bot" + std::to_string(number);
}

Profile BotProfile(int number, Coins coins, std::uint32_t seed) {
  Profile p;
  const auto index = static_cast<std::size_t>(number - 1);
  p.male = index % 2 == 0;
  const std::size_t slot = (index / 2) % 10;
  const BotName& name = p.male ? kMen[slot] : kWomen[slot];
  p.account = BotAccount(number);
  p.nick = name.nick;
  p.area = name.area;
  p.face = std::string(p.male ? "m" : "w") + std::to_string(slot + 1);
  p.coins = coins;
  p.tag = "电脑";
  AddPast(p, seed);
  return p;
}

}  // namespace tlj::server
