#pragma once
// Minimizing the table window.

namespace tlj::view {

void MinimizeMainForm();

}  // namespace tlj::view
