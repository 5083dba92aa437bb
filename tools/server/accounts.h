#pragma once
// Who may log in. Without a list every account and password is accepted; with one, a login
// needs a listed account and its password.
//
// The list is a text file of lines "account:password". Blank lines and lines starting with '#'
// are skipped; the password runs from the first ':' to the end of the line and may be empty.

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tlj::server {

struct ParsedAccounts {
  std::map<std::string, std::string> passwords;
  // One per line left out: "line N: why". Never quotes the line, which may hold a password.
  std::vector<std::string> warnings;
};

ParsedAccounts ParseAccounts(std::string_view text);
// Throws std::runtime_error when the file cannot be read.
std::string ReadAccountsFile(const std::filesystem::path& file);

class AccountBook {
 public:
  AccountBook() = default;  // accepts everyone
  explicit AccountBook(std::map<std::string, std::string> passwords)
      : passwords_(std::move(passwords)) {}

  bool Accepts(const std::string& account, const std::string& password) const;

 private:
  std::optional<std::map<std::string, std::string>> passwords_;
};

}  // namespace tlj::server
