#pragma once
// The two web panels: the advertisement over Bird and the notice shown with the seat change.
// Navigating a panel fetches its page in the background through the platform's downloader; the
// outcome reaches the panel as its page-loaded or navigation-failed event, as a browser
// element reports it.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tlj::view {

// Points the panel at `url` and fetches the page; the page before it goes. An earlier fetch
// for the panel is forgotten.
void Navigate(std::string_view panel, std::string url);
// Forgets every fetch still under way (the table window closes).
void CancelNavigations();

// The page's bytes as text: UTF-8 as it is, anything else read as GBK.
std::string PageText(const std::vector<std::uint8_t>& bytes);

// The advertisement page failed: the panel hides and stays away, whatever follows.
void WebBrowser1_NavigationFailed();
// The advertisement page is in: the panel shows over Bird, in front.
void WebBrowser1_PageLoaded();
void WebBrowser2_NavigationFailed();

}  // namespace tlj::view
