#include "platform/standard_streams.h"

namespace billpay {

// Windows hands out handles, not the lowest free number: a file opened later
// can never become standard output, and writing to a missing standard handle
// simply fails. Nothing to reserve.
void ReserveStandardStreams() {}

}  // namespace billpay
