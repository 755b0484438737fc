#pragma once

namespace billpay {

// Makes sure standard input, output and error are open. One that was closed
// when the program started is taken by the null device opened the wrong way
// round, so that using it fails as it would have, while a file the program
// opens later cannot land on it and receive what was meant for the terminal.
void ReserveStandardStreams();

}  // namespace billpay
