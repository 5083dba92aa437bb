#include "core/platform/element_tree.h"

#include <gtest/gtest.h>

namespace tlj::platform {
namespace {

TEST(ElementTreeTest, ElementsAreFoundByWindowNameAndIndex) {
  ElementTree tree;
  Element& plain = tree.El("MainForm", "Cash");
  Element& first = tree.El("MainForm", "Cash", 0);
  Element& other_window = tree.El("Score", "Cash", 0);
  EXPECT_NE(&plain, &first);
  EXPECT_NE(&first, &other_window);
  EXPECT_EQ(&tree.El("MainForm", "Cash", 0), &first);
  EXPECT_EQ(tree.Find("MainForm", "Cash"), &plain);
  EXPECT_EQ(tree.Find("MainForm", "Cash", 1), nullptr);
  EXPECT_EQ(tree.Find("MainForm", "Nid", 0), nullptr);
  EXPECT_EQ(tree.Find("Hero", "Cash", 0), nullptr);
  EXPECT_EQ(tree.FindWin("MainForm")->elements.size(), 2u);
}

TEST(ElementTreeTest, ARemovedElementIsGoneAndComesBackNewInFront) {
  ElementTree tree;
  tree.El("MainForm", "imgCoin", 1).caption = "old";
  const int z = tree.El("MainForm", "imgCoin", 2).z;
  EXPECT_TRUE(tree.Remove("MainForm", "imgCoin", 1));
  EXPECT_FALSE(tree.Remove("MainForm", "imgCoin", 1));
  EXPECT_EQ(tree.Find("MainForm", "imgCoin", 1), nullptr);
  ASSERT_NE(tree.Find("MainForm", "imgCoin", 2), nullptr);
  Element& again = tree.El("MainForm", "imgCoin", 1);
  EXPECT_EQ(again.caption, "");
  EXPECT_GT(again.z, z);
  EXPECT_EQ(tree.FindWin("MainForm")->elements.size(), 2u);
}

}  // namespace
}  // namespace tlj::platform
