// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The class module (quorvel_classe): the store on the class's server, with libpq. The window
// and the console load it only when a class is configured, so neither loads libpq otherwise.
#include "core/app/translation.h"
#include "platform/class_store.h"

#include <string>

// `local` is the program's own database, which keeps what waits for the server: the module
// takes it over.
extern "C" __attribute__((visibility("default"))) quorvel::CollectionStore* quorvelClassStore(
    const std::string& uri, quorvel::Outbox* local, quorvel::Language language,
    quorvel::Translator translator, std::string& problem)
{
    quorvel::useLanguage(language, translator);
    std::unique_ptr<quorvel::Outbox> outbox(local);
    try {
        return new quorvel::ClassStore(uri, std::move(outbox));
    } catch (const quorvel::StoreFault& fault) {
        problem = fault.what();
    }
    return nullptr;
}
