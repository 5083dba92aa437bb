#include "sim/client_harness.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/platform/services.h"

namespace tlj::sim {
namespace {

TEST(ClientHarnessTest, InstallsItsRecordingShellAndNoDownloader) {
  {
    ClientHarness h;
    ASSERT_EQ(platform::Sys().shell, &h.shell);
    EXPECT_EQ(platform::Sys().downloader, nullptr);
    platform::Sys().shell->OpenAddress("http://example.test/rules.html");
    platform::Sys().shell->OpenAddress("http://example.test/help.html");
    EXPECT_EQ(h.shell.opened, (std::vector<std::string>{"http://example.test/rules.html",
                                                        "http://example.test/help.html"}));
  }
  EXPECT_EQ(platform::Sys().shell, nullptr) << "released with the harness";
}

}  // namespace
}  // namespace tlj::sim
