// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace quorvel {

// The decimal separator of the user's regional settings: "," under an Italian locale, "."
// in the C locale.
char decimalSeparatorFromEnvironment();

} // namespace quorvel
