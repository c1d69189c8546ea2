#include "ui/app/startup_checks.h"

#include <QDir>
#include <QTemporaryFile>

#include <cstdio>

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

} // namespace quorvel
