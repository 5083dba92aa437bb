#include "tools/server/web_pages.h"

namespace tlj::server {

// Sizes in pixels, so the text fits the panel whatever the viewer's default font size is.

std::string_view AdvertPage() {
  return R"(<html><head>
<meta http-equiv="Content-Type" content="text/html; charset=utf-8">
<title>星湖山庄 新春礼包</title>
</head>
<body bgcolor="#8e1414">
<table width="100%" cellspacing="0" cellpadding="0" border="1"
 style="border-color:#e8b93a; border-style:solid">
<tr><td align="center" style="padding-top:6px; padding-bottom:6px">
<span style="font-size:16px; color:#f6c945">星湖山庄</span><br>
<span style="font-size:9px; color:#e8b93a">— ◆ —</span><br>
<span style="font-size:15px; color:#ffedb5">新春礼包</span>
</td></tr>
</table>
</body></html>
)";
}

std::string_view NoticePage() {
  return R"(<html><head>
<meta http-equiv="Content-Type" content="text/html; charset=utf-8">
<title>正在换座</title>
</head>
<body bgcolor="#8e1414">
<table width="100%" cellspacing="0" cellpadding="0" border="0">
<tr><td align="center" bgcolor="#8e1414" style="padding-top:1px; padding-bottom:3px">
<span style="font-size:13px; color:#f6c945">正在为您换座，请稍候…</span>
</td></tr>
<tr><td align="center" bgcolor="#fff4d6" style="padding-top:10px; padding-bottom:10px">
<span style="font-size:12px; color:#6b4a1e">祝您手气长红，好运连连！</span>
</td></tr>
</table>
</body></html>
)";
}

WebPages OwnPages() {
  return {{std::string(kAdvertPath), std::string(AdvertPage())},
          {std::string(kNoticePath), std::string(NoticePage())}};
}

std::string WebAddress(std::string_view host, int port, std::string_view path) {
  const bool ipv6 = host.find(':') != std::string_view::npos;
  std::string address = "http://";
  address += ipv6 ? "[" + std::string(host) + "]" : std::string(host);
  return address + ":" + std::to_string(port) + std::string(path);
}

}  // namespace tlj::server
