#pragma once

namespace quorvel {

// Says on standard error when the current folder cannot be written to: nothing is written there,
// but a pupil who saves there would fail.
void reportUnwritableCurrentFolder();

} // namespace quorvel
