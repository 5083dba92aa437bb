// The accounts file: which lines count, which are left out with a warning, and who may log in.

#include "tools/server/accounts.h"

#include "tools/server/wire.h"

#include <gtest/gtest.h>

#include <string>

namespace tlj::server {
namespace {

using Passwords = std::map<std::string, std::string>;

TEST(AccountsFileTest, ReadsAccountsSkipsCommentsAndWarnsOfBadLinesWithoutQuotingThem) {
  const ParsedAccounts parsed = ParseAccounts(
      "# the demo table\n"
      "alice:wonder\r\n"
      "\n"
      "   # indented comment\n"
      "bob:a:b\n"
      "carol:\n"
      "nocolon-secret\n"
      ":orphan-secret\n"
      "abcdefghijklmnopq:toolong-secret\n"
      "abcdefghijklmnop:sixteen\n"
      "d\xC3\xA9jà:accent-secret\n"
      "tab:\tsecret\n"
      "alice:second-secret\n");

  EXPECT_EQ(
      parsed.passwords,
      (Passwords{
          {"alice", "wonder"}, {"bob", "a:b"}, {"carol", ""}, {"abcdefghijklmnop", "sixteen"}}));
  EXPECT_EQ(parsed.warnings, (std::vector<std::string>{
                                 "line 7: no ':' between account and password",
                                 "line 8: no account before ':'",
                                 "line 9: account longer than 16 characters",
                                 "line 11: only printable ASCII characters are allowed",
                                 "line 12: only printable ASCII characters are allowed",
                                 "line 13: account alice is listed again; its first line counts",
                             }));
  for (const std::string& warning : parsed.warnings) {
    EXPECT_EQ(warning.find("secret"), std::string::npos) << warning;
  }
}

TEST(AccountsFileTest, APasswordRunsToTheEndOfTheLoginFrame) {
  const std::string longest(kPasswordSize, 'p');
  EXPECT_EQ(ParseAccounts("a:" + longest + "\n").passwords.at("a"), longest);
  EXPECT_EQ(ParseAccounts("a:" + longest + "p\n").warnings,
            std::vector<std::string>{"line 1: password longer than 228 characters"});
}

TEST(AccountBookTest, WithoutAListEveryoneIsAccepted) {
  EXPECT_TRUE(AccountBook().Accepts("anyone", "anything"));
  EXPECT_TRUE(AccountBook().Accepts("", ""));
}

TEST(AccountBookTest, WithAListOnlyAListedAccountWithItsPassword) {
  const AccountBook book(Passwords{{"alice", "wonder"}, {"carol", ""}});
  EXPECT_TRUE(book.Accepts("alice", "wonder"));
  EXPECT_TRUE(book.Accepts("carol", ""));
  EXPECT_FALSE(book.Accepts("alice", "Wonder"));
  EXPECT_FALSE(book.Accepts("alice", "wonde"));
  EXPECT_FALSE(book.Accepts("Alice", "wonder"));
  EXPECT_FALSE(book.Accepts("", ""));
}

}  // namespace
}  // namespace tlj::server
