#pragma once
// Amounts as the labels show them: whole coins held in doubles, written as plain decimal text.

#include <string>
#include <string_view>

namespace tlj::model {

// Plain decimal text of an amount, as a label shows it.
std::string AmountText(double value);

// The number a caption starts with, as the labels show amounts; 0 for a caption that starts
// with none, and infinity for one too large for a double.
double CaptionValue(std::string_view caption);

}  // namespace tlj::model
