#pragma once
// Reading the client's dump: its windows, and the parts of an element the lobby looks at, with
// the values the dump means when a key is left out.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

namespace tlj::lobby_tool::dump {

using Json = nlohmann::json;

// Calls `read` with each window's name and the window; an error in the dump, or one that
// `read` meets, is thrown as std::runtime_error.
void ForEachWindow(std::string_view dump_json,
                   const std::function<void(const std::string& name, const Json& window)>& read);

std::string Name(const Json& element);
// The element's index, or -1 for an element that is not part of an array.
int IndexOf(const Json& element);
// Whether `index` picks a member of an array of `size`.
bool Within(int index, std::size_t size);
bool Visible(const Json& element);
bool Shown(const Json& element);  // visible and enabled
// A window counts as hidden unless the dump says otherwise.
bool WindowVisible(const Json& window);
std::string Caption(const Json& element);
std::vector<std::string> Lines(const Json& element);
std::optional<int> Picture(const Json& element);

}  // namespace tlj::lobby_tool::dump
