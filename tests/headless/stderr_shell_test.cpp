#include "headless/stderr_shell.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

namespace tlj::headless {
namespace {

std::string Written(std::FILE* file) {
  std::rewind(file);
  std::string text;
  for (int c; (c = std::fgetc(file)) != EOF;) text += static_cast<char>(c);
  return text;
}

TEST(StderrShellTest, WritesOneOpenLinePerAddressAtOnce) {
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> out(std::tmpfile(), std::fclose);
  ASSERT_TRUE(out);
  StderrShell shell(out.get());
  shell.OpenAddress("http://example.test/rules.html");
  shell.OpenAddress("http://example.test/规则?a=1&b=2");
  EXPECT_EQ(Written(out.get()),
            "open http://example.test/rules.html\n"
            "open http://example.test/规则?a=1&b=2\n");
}

}  // namespace
}  // namespace tlj::headless
