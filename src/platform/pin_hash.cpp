// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/pin_hash.h"

#include "core/app/translation.h"
#include "core/ports/collection_store.h"

#include <sodium.h>

namespace quorvel {
namespace {

void initialiseSodium()
{
    // Safe to call from any thread and more than once; it fails only without a random source.
    if (sodium_init() < 0)
        throw StoreFault(translate(
            "Store", "Il computer non sa generare numeri casuali: il PIN non si può salvare."));
}

} // namespace

std::string hashPin(const std::string& pin)
{
    initialiseSodium();
    char hash[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(hash, pin.data(), pin.size(), crypto_pwhash_OPSLIMIT_INTERACTIVE,
            crypto_pwhash_MEMLIMIT_INTERACTIVE)
        != 0)
        throw StoreFault(translate("Store",
            "Manca la memoria per proteggere il PIN: chiudi qualche programma e riprova."));
    return hash;
}

bool pinMatches(const std::string& hash, const std::string& pin)
{
    initialiseSodium();
    return crypto_pwhash_str_verify(hash.c_str(), pin.data(), pin.size()) == 0;
}

const PinHasher& sodiumPinHasher()
{
    static const SodiumPinHasher hasher;
    return hasher;
}

} // namespace quorvel
