#include "tools/server/profile.h"

#include <array>

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

// FNV-1a: a face that stays the same for an account from one run to the next.
std::uint32_t NameHash(const std::string& text) {
  std::uint32_t hash = 2166136261u;
  for (const char c : text) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 16777619u;
  }
  return hash;
}

}  // namespace

Profile PersonProfile(const std::string& account, Coins coins) {
  Profile p;
  p.account = account;
  p.nick = account;
  const std::uint32_t pick = NameHash(account) % 20;
  p.male = pick < 10;
  p.face = std::string(p.male ? "m" : "w") + std::to_string(pick % 10 + 1);
  p.area = "本地";
  p.coins = coins;
  p.tag = "玩家";
  return p;
}

std::string BotAccount(int number) {
  return "bot" + std::to_string(number);
}

Profile BotProfile(int number, Coins coins) {
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
  return p;
}

}  // namespace tlj::server
