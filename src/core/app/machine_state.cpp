// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/app/machine_state.h"

namespace quorvel {

Value MachineState::scheme(Level level) const
{
    switch (level.number()) {
    case 1:
        return schemaLevel1;
    case 2:
        return schemaLevel2;
    case 3:
        return schemaLevel3;
    case 4:
        return schemaLevel4;
    case 5:
        return Value::int16(schemaLevel5);
    default:
        return Value();
    }
}

void MachineState::setScheme(Level level, const Value& scheme)
{
    switch (level.number()) {
    case 1:
        schemaLevel1 = scheme;
        break;
    case 2:
        schemaLevel2 = scheme;
        break;
    case 3:
        schemaLevel3 = scheme;
        break;
    case 4:
        schemaLevel4 = scheme;
        break;
    case 5:
        schemaLevel5 = toInt16(scheme);
        break;
    default:
        break;
    }
}

} // namespace quorvel
