#pragma once

namespace quorvel {

// The decimal separator of the user's regional settings: "," under an Italian locale, "."
// in the C locale.
char decimalSeparatorFromEnvironment();

} // namespace quorvel
