#pragma once

// Qt glue for the COM apartments: after CoInitialize, a thread with a Qt event loop calls
// InstallQtApartmentPump once, and from then on events for the sinks it advised run from that
// event loop (also inside modal loops). Installing again, e.g. after a new CoInitialize, is
// harmless.

namespace quor::com {

// False when the thread has no apartment or no Qt event dispatcher can be reached.
bool InstallQtApartmentPump();

} // namespace quor::com
