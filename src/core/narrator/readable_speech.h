// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

// What the wizard says, as a pupil should read it in the captions and his balloon: without the
// runs of dots that only make the voice pause, with one space after each comma and full stop
// and none before, capitals where sentences begin, and real accents where the speech writes an
// apostrophe ("puo'" is "può", "finchè" is "finché"). What the voice says stays as it is.
std::string readableSpeech(std::string_view speech);

// The same for the text runs of one speech between its pause tags, each tidied so that the runs
// joined in order read as readableSpeech of the whole: a run may begin with the space that
// separates it from the one before, and a run of dots alone may come to nothing.
std::vector<std::string> readablePieces(const std::vector<std::string>& runs);

} // namespace quorvel
