#pragma once
// The two pages the server offers the client's web panels, and where they are found: the
// advertisement (82 x 80 pixels, over the frame beside the table) and the notice the client
// shows while seats are shuffled, which it fetches at the advertisement's address + ".gamead".

#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace tlj::server {

inline constexpr std::string_view kAdvertPath = "/ad.html";
inline constexpr std::string_view kNoticePath = "/ad.html.gamead";

// UTF-8 HTML within what a light rich-text view draws: tables, colours, font sizes, no scripts
// and nothing fetched.
std::string_view AdvertPage();
std::string_view NoticePage();

// Pages by path ("/ad.html"), each UTF-8 HTML.
using WebPages = std::map<std::string, std::string, std::less<>>;

// The two pages above at their paths.
WebPages OwnPages();

// http://HOST:PORT/PATH, with an IPv6 address in brackets.
std::string WebAddress(std::string_view host, int port, std::string_view path);

}  // namespace tlj::server
