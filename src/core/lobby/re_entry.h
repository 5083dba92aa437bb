#pragma once
// The idle client is sent to a table again (lobby message 22).

namespace tlj::lobby {

void ReEnterTable();

}  // namespace tlj::lobby
