#include "soak_folder.h"

#include <QDir>
#include <QFile>

#include <random>

namespace quorvel::soak {

SoakFolder::SoakFolder(std::uint64_t seed)
    : m_dir(QDir::temp().filePath("quorvel-monkey-XXXXXX"))
{
    if (!m_dir.isValid())
        return;
    QDir root(m_dir.path());
    for (const char* folder : { "salvati", "sottocartella/profonda", "cartella.txt" })
        root.mkpath(folder);
    writeGoodFiles();
    writeBrokenFiles(seed);
}

bool SoakFolder::contains(const QString& folder) const
{
    const QString canonicalRoot = QDir(root()).canonicalPath();
    const QString canonical = QDir(folder).canonicalPath();
    return canonical == canonicalRoot || canonical.startsWith(canonicalRoot + '/');
}

void SoakFolder::write(const QString& relative, const QByteArray& bytes) const
{
    QFile file(path(relative));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

void SoakFolder::writeGoodFiles()
{
    write("livello1.txt", "\"livello1,4,6,3,2,1,0,5\"\r\n");
    write("livello2.txt", "\"livello2,3,7,1,4,2,0,12\"\r\n");
    write("livello3.txt", "\"livello3,4,10,2,3,1,1,20\"\r\n");
    write("livello4.txt", "\"livello4,8,2,2,2,4,3,17\"\r\n");
    write("livello5.txt", "\"livello5,9,10,4,1,3,2,18\"\r\n");
    write("due_volte.txt", "\"livello1,4,6,3,2,1,0,5\"\r\n\"livello4,8,2,2,2,4,3,17\"\r\n");
    write("con_bom.txt", "\xEF\xBB\xBF\"livello3,4,10,2,3,1,1,20\" \t\n");
    write("vecchio.txt.bak", "\"livello2,1,1,4,4,4,0,1\"\r\n");
    write(QString::fromUtf8("perché.txt"), "\"livello5,1,2,3,4,1,0,1\"\r\n");
    write("sottocartella/livello3.txt", "\"livello3,2,9,3,1,2,0,7\"\r\n");
    write("sottocartella/profonda/livello4.txt", "\"livello4,5,5,1,2,3,4,9\"\r\n");
}

void SoakFolder::writeBrokenFiles(std::uint64_t seed)
{
    write("vuoto.txt", "");
    write("solo_virgolette.txt", "\"\"\r\n");
    write("senza_virgolette.txt", "livello1,3,5,1,1,1,0,4\r\n");
    write("livello9.txt", "\"livello9,3,7,1,4,2,0,12\"\r\n");
    write("pochi_campi.txt", "\"livello3,4,10\"\r\n");
    write("schema_fuori.txt", "\"livello5,1,2,1,1,1,0,99\"\r\n");
    write("numeri_enormi.txt", "\"livello1,40000,-99999,1,1,1,0,3\"\r\n");
    write("virgola_decimale.txt", "\"livello2,3.5,7,1,4,2,0,12\"\r\n");
    write("sottocartella/troncato.txt", "\"livello4,8,2,2,2");

    std::mt19937_64 random(seed);
    QByteArray binary(4096, '\0');
    for (char& c : binary)
        c = static_cast<char>(random() & 0xFF);
    write("binario.txt", binary);

    // A megabyte that opens with a quote and never closes it, with no line end.
    QByteArray big("\"livello1");
    big += QByteArray(1024 * 1024, ',');
    write("grande.txt", big);

    write("non_cartella", "a regular file where a folder is expected\n");
}

} // namespace quorvel::soak
