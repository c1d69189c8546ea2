#pragma once

#include <QString>
#include <QTemporaryDir>

#include <cstdint>

namespace quorvel::soak {

// A throw-away folder of mechanism files for the open panel: good ones as the program saves
// them or as a teacher might edit them, and broken ones (empty, unquoted, an unknown level,
// binary bytes, a megabyte of digits, too few fields). It also offers places where saving
// works and places where it cannot: a folder that does not exist, and a "folder" that is a
// regular file, which stops even root.
class SoakFolder
{
public:
    explicit SoakFolder(std::uint64_t seed);

    bool isValid() const { return m_dir.isValid(); }
    QString root() const { return m_dir.path(); }
    QString savedFolder() const { return path("salvati"); }
    QString missingFolder() const { return path("non_esiste/ancora_meno"); }
    QString fileAsFolder() const { return path("non_cartella"); }
    QString path(const QString& relative) const { return m_dir.filePath(relative); }
    bool contains(const QString& folder) const;

private:
    void writeGoodFiles();
    void writeBrokenFiles(std::uint64_t seed);
    void write(const QString& relative, const QByteArray& bytes) const;

    QTemporaryDir m_dir;
};

} // namespace quorvel::soak
