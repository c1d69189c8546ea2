// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "monkey_tools.h"

#include "core/notebook/notebook.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include <malloc.h>

namespace quorvel::soak {

double residentMiB(const QByteArray& field)
{
    QFile status("/proc/self/status");
    if (status.open(QIODevice::ReadOnly))
        for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine())
            if (line.startsWith(field))
                return line.mid(field.size()).trimmed().split(' ')[0].toDouble() / 1024;
    return -1;
}

double heapInUseMiB()
{
    const struct mallinfo2 info = mallinfo2();
    return (info.uordblks + info.hblkhd) / (1024.0 * 1024.0);
}

double notebookMiB(const Notebook& notebook)
{
    const auto text = [](const std::string& s) {
        return s.capacity() > std::string().capacity() ? s.capacity() + 1 : 0;
    };
    std::size_t bytes = notebook.pages().capacity() * sizeof(Page);
    for (const Page& page : notebook.pages()) {
        bytes += page.trials.capacity() * sizeof(Trial);
        for (const Trial& trial : page.trials)
            bytes += text(trial.first) + text(trial.second) + text(trial.output)
                + (trial.prediction ? text(*trial.prediction) : 0);
    }
    return bytes / (1024.0 * 1024.0);
}

void fillFolder(const QDir& root)
{
    QByteArray noise;
    for (int i = 0; i < 4096; ++i)
        noise += static_cast<char>(i * 7919 % 251);
    const std::pair<const char*, QByteArray> files[] = {
        { "livello1.txt", "\"livello1,4,6,3,2,1,0,5\"\r\n" },
        { "con_bom.txt.bak", "\xEF\xBB\xBF\"livello3,4,10,2,3,1,1,20\" \t\n" },
        { "sottocartella/livello5.txt", "\"livello5,9,10,4,1,3,2,18\"\r\n" },
        { "vuoto.txt", "" },
        { "livello9.txt", "\"livello9,3,7,1,4,2,0,12\"\r\n" },
        { "binario.txt", noise },
        { "grande.txt", "\"livello1" + QByteArray(1 << 20, ',') },
        { "non_cartella", "a regular file where a folder is expected\n" },
    };
    root.mkpath("salvati");
    root.mkpath("sottocartella");
    for (const auto& [name, bytes] : files) {
        QFile file(root.filePath(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }
}

void privateDesktop(const QDir& root)
{
    root.mkpath("impostazioni");
    root.mkpath("Documenti");
    qputenv("XDG_CONFIG_HOME", root.filePath("impostazioni").toLocal8Bit());
    QFile dirs(root.filePath("impostazioni/user-dirs.dirs"));
    if (dirs.open(QIODevice::WriteOnly))
        dirs.write("XDG_DOCUMENTS_DIR=\"" + root.filePath("Documenti").toUtf8() + "\"\n");
}

void sendMouse(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButtons held)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(at), target->mapToGlobal(QPointF(at)), button, held, {});
    QApplication::sendEvent(target, &event);
}

void sendClick(QWidget* target, QPoint at, bool twice)
{
    for (int i = 0; i < (twice ? 2 : 1); ++i) {
        const auto press = i ? QEvent::MouseButtonDblClick : QEvent::MouseButtonPress;
        sendMouse(target, press, at, Qt::LeftButton);
        sendMouse(target, QEvent::MouseButtonRelease, at);
    }
}

void sendKey(QObject* target, int key, const QString& text)
{
    for (const auto type : { QEvent::KeyPress, QEvent::KeyRelease }) {
        QKeyEvent event(type, key, Qt::NoModifier, text);
        QApplication::sendEvent(target, &event);
    }
}

void typeInto(QWidget* field, const QString& text)
{
    field->setFocus();
    for (const QChar c : text)
        sendKey(field, c.isDigit() ? Qt::Key_0 + c.digitValue() : Qt::Key_A, QString(c));
    sendKey(field, Qt::Key_Return);
}

} // namespace quorvel::soak
