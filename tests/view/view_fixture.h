#pragma once
// Points the services at a fresh element tree and a resource store for one test, and puts them
// back afterwards.

#include <gtest/gtest.h>

#include "core/platform/element_tree.h"
#include "core/platform/services.h"
#include "core/view/layout.h"
#include "tests/view/pixel_store.h"

namespace tlj::view::testing {

class ViewTest : public ::testing::Test {
 protected:
  ViewTest() : saved_(platform::Sys()) {
    platform::Sys().ui = &tree;
    platform::Sys().store = &store;
  }
  ~ViewTest() override {
    platform::Sys() = saved_;
    LayoutScale = 1.0;
  }

  platform::ElementTree tree;
  PixelStore store;

 private:
  platform::Services saved_;
};

}  // namespace tlj::view::testing
