// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace quorvel {

// Says on standard error when the current folder cannot be written to: nothing is written there,
// but a pupil who saves there would fail.
void reportUnwritableCurrentFolder();

// Keeps a long lesson's memory flat where the C library lets it: big passing buffers (a
// picture, a spoken sentence) get pages of their own, handed back when freed, instead of holes
// in the heap that the process then keeps; and one heap shared by all threads. Before the first
// window and the first thread.
void keepMemoryCompact();

} // namespace quorvel
