// Seat changes between games: the bots move, each person keeps his seat (the client knows its
// own seat for its whole stay), and the players hear of the new seating only when the next game
// is about to start, which keeps their seat-change notice up meanwhile.

#include <algorithm>
#include <vector>

#include "tools/server/table.h"

namespace tlj::server {

bool Table::ShuffleDue() const {
  return config_.shuffle_every > 0 && (games_played_ + 1) % config_.shuffle_every == 0;
}

void Table::ShuffleBots() {
  std::vector<int> places;
  for (int seat = 0; seat < kSeatCount; ++seat) {
    if (const Player* p = At(seat); p != nullptr && p->Bot()) places.push_back(seat);
  }
  if (places.size() < 2) return;
  std::vector<int> order = places;
  house_.random.Shuffle(order);
  // A draw that leaves everybody in place would be no change: the bots move one on instead.
  if (order == places) std::rotate(order.begin(), order.begin() + 1, order.end());
  std::vector<std::unique_ptr<Player>> bots;
  for (int seat : order) bots.push_back(std::move(seats_[static_cast<std::size_t>(seat)]));
  for (std::size_t k = 0; k < places.size(); ++k) {
    const int seat = places[k];
    seats_[static_cast<std::size_t>(seat)] = std::move(bots[k]);
    bot_chat_[static_cast<std::size_t>(seat)].Stop();
    Say(Name(*At(seat)) + " moves to seat " + std::to_string(seat + 1));
  }
}

void Table::SendOwedArrivals() {
  if (!arrivals_owed_) return;
  arrivals_owed_ = false;
  for (int seat = 0; seat < kSeatCount; ++seat) {
    if (At(seat) != nullptr) SendArrivals(seat);
  }
}

}  // namespace tlj::server
