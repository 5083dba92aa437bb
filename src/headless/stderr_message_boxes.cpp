#include "headless/stderr_message_boxes.h"

namespace tlj::headless {

void StderrMessageBoxes::Show(const std::string& title, const std::string& text) {
  shown_.push_back({title, text});
  std::fprintf(out_, "MessageBox: %s: %s\n", title.c_str(), text.c_str());
  std::fflush(out_);
}

}  // namespace tlj::headless
