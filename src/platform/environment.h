// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/app/translation.h"

namespace quorvel {

// The decimal separator of the user's regional settings: "," under an Italian locale, "."
// in the C locale.
char decimalSeparatorFromEnvironment();

// The locale's language as the system sets it for messages: LC_ALL, LC_MESSAGES, then LANG.
Language languageFromEnvironment();

} // namespace quorvel
