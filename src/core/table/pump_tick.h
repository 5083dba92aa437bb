#pragma once
// One tick of the transport pump TimerBong: at most one queued frame sent and one received frame
// handed to the dispatcher, the login once connected, the countdowns, the link watch and the
// speech bubble's time-out.

namespace tlj::table {

void TimerBong_Timer();

}  // namespace tlj::table
