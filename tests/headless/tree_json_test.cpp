#include "headless/tree_json.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "headless/stderr_message_boxes.h"

namespace tlj::headless {
namespace {

class TreeJsonTest : public ::testing::Test {
 protected:
  TreeJsonTest() {
    tree.AddWindow("MainForm", [](platform::ElementTree& ui, platform::Window& w) {
      ui.Add(w, "Tou", 1, platform::ElementKind::Picture);
      ui.Add(w, "Sysmsg", 0, platform::ElementKind::List);
      ui.Add(w, "Location", {}, platform::ElementKind::Label);
    });
    tree.AddWindow("frmExit", [](platform::ElementTree& ui, platform::Window& w) {
      ui.Add(w, "pbCloseMe", {}, platform::ElementKind::Picture);
    });
    tree.Win("MainForm").visible = true;
    auto& tou = tree.El("MainForm", "Tou", 1);
    tou.left = 7;
    tou.top = 15;
    tou.width = 70;
    tou.height = 62;
    tou.picture = 252;
    auto& sysmsg = tree.El("MainForm", "Sysmsg", 0);
    sysmsg.lines = {"连接服务器成功！"};
    sysmsg.left = 7.5;
    sysmsg.fontSize = 10.5;
    tree.El("frmExit", "pbCloseMe").visible = false;
  }

  nlohmann::json Dump() { return DumpToJson(tree, boxes); }

  platform::ElementTree tree;
  std::vector<ShownMessageBox> boxes{{"警告", "铜炉局已经运行！"}};
};

TEST_F(TreeJsonTest, HasTheDocumentedShape) {
  const nlohmann::json dump = Dump();
  ASSERT_EQ(dump["windows"].size(), 2u);
  const auto& table = dump["windows"][0];
  EXPECT_EQ(table["name"], "MainForm");
  EXPECT_EQ(table["visible"], true);
  for (const char* key : {"loaded", "active", "topmost", "opacity", "frameless", "shape", "icon",
                          "owner", "design", "tag", "picture"}) {
    EXPECT_TRUE(table.contains(key)) << key;
  }
  EXPECT_EQ(table["loaded"], true);
  EXPECT_EQ(table["opacity"], 255);
  const auto& tou = table["elements"][0];
  for (const char* key :
       {"name",    "index",   "kind",    "parent",   "visible", "enabled",  "left",     "top",
        "width",   "height",  "picture", "caption",  "color",   "font",     "fontSize", "z",
        "tooltip", "pointer", "lines",   "selected", "topLine", "maxLength"}) {
    EXPECT_TRUE(tou.contains(key)) << key;
  }
  EXPECT_EQ(tou["kind"], "picture");
  EXPECT_EQ(tou["pointer"], "default");
  EXPECT_EQ(tou["selected"], -1);
  EXPECT_EQ(tou["name"], "Tou");
  EXPECT_EQ(tou["index"], 1);
  EXPECT_EQ(tou["picture"], 252);
  EXPECT_EQ(tou["z"], 1);
  EXPECT_EQ(tou["lines"], nlohmann::json::array());
  EXPECT_TRUE(dump["focus"].is_null());
  tree.SetFocus({"MainForm", "Sysmsg", 0});
  EXPECT_EQ(Dump()["focus"],
            nlohmann::json::parse(R"({"window": "MainForm", "name": "Sysmsg", "index": 0})"));
  EXPECT_EQ(dump["messageBoxes"],
            nlohmann::json::parse(R"([{"title": "警告", "text": "铜炉局已经运行！"}])"));
}

TEST_F(TreeJsonTest, WholePositionsAreIntegersAndFractionsStay) {
  const nlohmann::json dump = Dump();
  const auto& tou = dump["windows"][0]["elements"][0];
  const auto& sysmsg = dump["windows"][0]["elements"][1];
  EXPECT_TRUE(tou["left"].is_number_integer());
  EXPECT_EQ(tou["left"], 7);
  EXPECT_TRUE(tou["fontSize"].is_number_integer());
  EXPECT_EQ(sysmsg["left"], 7.5);
  EXPECT_EQ(sysmsg["fontSize"], 10.5);
  EXPECT_NE(JsonText(dump).find("\"left\": 7,"), std::string::npos);
}

TEST_F(TreeJsonTest, MissingIndexAndPictureAreNull) {
  const nlohmann::json dump = Dump();
  const auto& close = dump["windows"][1]["elements"][0];
  EXPECT_EQ(close["name"], "pbCloseMe");
  EXPECT_TRUE(close["index"].is_null());
  EXPECT_TRUE(close["picture"].is_null());
  EXPECT_EQ(close["visible"], false);
}

TEST_F(TreeJsonTest, TextIsWrittenAsUtf8AndBadBytesDoNotFailTheDump) {
  tree.El("MainForm", "Location").caption = std::string("房间") + "\xff";
  const std::string text = JsonText(Dump());
  EXPECT_NE(text.find("连接服务器成功！"), std::string::npos);
  EXPECT_NE(text.find("房间\xEF\xBF\xBD"), std::string::npos);  // U+FFFD for the bad byte
  EXPECT_EQ(nlohmann::json::parse(text)["windows"][0]["elements"][1]["lines"][0],
            "连接服务器成功！");
}

}  // namespace
}  // namespace tlj::headless
