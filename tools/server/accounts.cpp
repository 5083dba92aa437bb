#include "tools/server/accounts.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

#include "tools/server/wire.h"

namespace tlj::server {
namespace {

// The client sends both texts one byte per character, and only characters of a single-byte
// code; of those, a list file can only hold the printable ASCII ones.
bool SingleByteText(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c < 0x7F; });
}

bool Blank(std::string_view line) {
  return line.find_first_not_of(" \t") == std::string_view::npos;
}

// Why a line cannot be used, or nothing when it can.
std::optional<std::string> Refusal(std::string_view account, std::string_view password) {
  if (account.empty()) return "no account before ':'";
  if (!SingleByteText(account) || !SingleByteText(password)) {
    return "only printable ASCII characters are allowed";
  }
  if (account.size() > kAccountSize) {
    return "account longer than " + std::to_string(kAccountSize) + " characters";
  }
  if (password.size() > kPasswordSize) {
    return "password longer than " + std::to_string(kPasswordSize) + " characters";
  }
  return std::nullopt;
}

}  // namespace

ParsedAccounts ParseAccounts(std::string_view text) {
  ParsedAccounts parsed;
  std::istringstream lines{std::string(text)};
  std::string line;
  for (int number = 1; std::getline(lines, line); ++number) {
    if (line.ends_with('\r')) line.pop_back();
    const auto first = line.find_first_not_of(" \t");
    if (Blank(line) || line[first] == '#') continue;
    const std::string where = "line " + std::to_string(number) + ": ";
    const auto colon = line.find(':');
    if (colon == std::string::npos) {
      parsed.warnings.push_back(where + "no ':' between account and password");
      continue;
    }
    const std::string account = line.substr(0, colon);
    const std::string password = line.substr(colon + 1);
    if (const auto why = Refusal(account, password)) {
      parsed.warnings.push_back(where + *why);
    } else if (!parsed.passwords.emplace(account, password).second) {
      parsed.warnings.push_back(where + "account " + account +
                                " is listed again; its first line counts");
    }
  }
  return parsed;
}

std::string ReadAccountsFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::error_code ec;
  if (!in || std::filesystem::is_directory(file, ec)) {
    throw std::runtime_error("cannot read the accounts file " + file.string());
  }
  std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) throw std::runtime_error("cannot read the accounts file " + file.string());
  return text;
}

bool AccountBook::Accepts(const std::string& account, const std::string& password) const {
  if (!passwords_) return true;
  const auto it = passwords_->find(account);
  return it != passwords_->end() && it->second == password;
}

}  // namespace tlj::server
