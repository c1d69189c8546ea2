// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/app/startup_checks.h"

#include <QDir>
#include <QTemporaryFile>

#include <cstdio>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace quorvel {

void reportUnwritableCurrentFolder()
{
    QTemporaryFile probe(QDir::current().filePath("quorvel-XXXXXX"));
    if (probe.open())
        return;
    const QString here = QDir::toNativeSeparators(QDir::currentPath());
    std::fprintf(stderr,
        "quorvel: the current folder %s is not writable; save mechanisms in "
        "another folder\n",
        here.isEmpty() ? "(no longer there)" : qPrintable(here));
}

void keepMemoryCompact()
{
#if defined(__GLIBC__)
    // glibc raises its threshold for mapping a block of its own each time such a block is
    // freed, after which sentences and pictures of a few hundred KiB land in the heap and leave
    // it full of holes: over a lesson the resident memory grew by megabytes that were free.
    constexpr int ownPages = 128 * 1024;
    mallopt(M_MMAP_THRESHOLD, ownPages);
    mallopt(M_TRIM_THRESHOLD, ownPages);
    // Each thread that allocates would get a heap of its own (the voice's, the sound's, Qt's
    // pool), each with its own pages in use and its own free holes: a few small threads share
    // the program's heap at no cost that a pupil could notice, and some hundreds of KiB less.
    mallopt(M_ARENA_MAX, 1);
#endif
}

} // namespace quorvel
