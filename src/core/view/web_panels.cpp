#include "core/view/web_panels.h"

#include <map>

#include "core/model/elements.h"
#include "core/model/table_state.h"
#include "core/platform/services.h"
#include "core/platform/utf8.h"
#include "core/text/ansi.h"

namespace tlj::view {
namespace {

// The fetch under way for each panel, by the panel's name.
std::map<std::string, int, std::less<>> fetches;

void Report(const std::string& panel, platform::EventKind kind) {
  platform::ElementEvent event;
  event.window = std::string(model::kMainForm);
  event.name = panel;
  event.kind = kind;
  platform::Sys().ui->Fire(event);
}

void Forget(std::string_view panel) {
  const auto found = fetches.find(panel);
  if (found == fetches.end()) return;
  if (platform::Downloader* downloader = platform::Sys().downloader)
    downloader->Cancel(found->second);
  fetches.erase(found);
}

}  // namespace

void Navigate(std::string_view panel, std::string url) {
  Forget(panel);
  auto& element = model::El(panel);
  element.url = std::move(url);
  element.page.clear();
  if (element.url.empty()) return;
  const std::string name(panel);
  platform::Downloader* downloader = platform::Sys().downloader;
  const platform::DownloadStart started =
      downloader == nullptr
          ? platform::DownloadStart{}
          : downloader->Start(element.url, [name](platform::DownloadResult result) {
              fetches.erase(name);
              if (!result.ok) {
                Report(name, platform::EventKind::NavigationFailed);
                return;
              }
              model::El(name).page = PageText(result.bytes);
              Report(name, platform::EventKind::PageLoaded);
            });
  if (started.id == 0) {
    // Nothing could fetch it: the panel learns so as it would from a browser, a little later.
    platform::Sys().loop->Post([name] { Report(name, platform::EventKind::NavigationFailed); });
    return;
  }
  fetches[name] = started.id;
}

void CancelNavigations() {
  while (!fetches.empty()) Forget(fetches.begin()->first);
}

std::string PageText(const std::vector<std::uint8_t>& bytes) {
  const std::string_view raw(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  const bool utf8 = platform::DecodeUtf8(raw).find(platform::kReplacement) == std::u32string::npos;
  return utf8 ? std::string(raw) : text::AnsiToUtf8(raw);
}

void WebBrowser1_NavigationFailed() {
  model::El("WebBrowser1").visible = false;
  model::AdLoadFailed = true;
}

void WebBrowser1_PageLoaded() {
  if (model::AdLoadFailed) return;
  const auto& bird = model::El("Bird");
  auto& panel = model::El("WebBrowser1");
  panel.left = bird.left + 2;
  panel.top = bird.top + 2;
  panel.visible = true;
  model::BringToFront(panel);
}

void WebBrowser2_NavigationFailed() {
  model::El("WebBrowser2").visible = false;
}

}  // namespace tlj::view
