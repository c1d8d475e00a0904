#pragma once

namespace tw {

// Handles every window message waiting in the queue, then returns.
void PumpMessages();

} // namespace tw
