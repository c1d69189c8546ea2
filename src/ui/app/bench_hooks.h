// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace quorvel {

// Opt-in hooks for bench/startup, which measures the window from outside. With
// QUORVEL_BENCH_FIRST_PAINT set, prints "first-paint <ms>" to stderr once the first frame has
// been painted, counting from QUORVEL_BENCH_LAUNCH_NS (the launcher's steady-clock reading,
// in ns) or, without it, from this call; with QUORVEL_BENCH_EXIT_AFTER_MS set as well, quits
// that many ms later. Does nothing when QUORVEL_BENCH_FIRST_PAINT is unset. Call it right after
// the application object is made.
void installBenchHooks();

} // namespace quorvel
