// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/effects/light_pictures.h"

#include <QDir>

#include <cstdio>

namespace quorvel {

LightPictures::LightPictures(const QString& folder)
{
    const QDir dir(folder);
    for (const char* name : { "luce1.gif", "luce2.gif", "luce3.gif", "luce4.gif" }) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        QPixmap picture;
        if (picture.load(path))
            m_pictures.insert(QString::fromLatin1(name), picture);
        else
            std::fprintf(stderr, "quorvel: light picture not found: %s\n",
                qPrintable(QDir::toNativeSeparators(path)));
    }
}

const QPixmap* LightPictures::picture(const std::string& name) const
{
    const auto found = m_pictures.constFind(QString::fromStdString(name));
    return found == m_pictures.cend() ? nullptr : &found.value();
}

const QPixmap* LightPictures::picture(const std::string& name, QSize size)
{
    const QPixmap* natural = picture(name);
    if (!natural || natural->size() == size || size.isEmpty())
        return natural;
    if (size != m_scaledSize) {
        m_scaled.clear();
        m_scaledSize = size;
    }
    const QString key = QString::fromStdString(name);
    auto found = m_scaled.find(key);
    if (found == m_scaled.end())
        found = m_scaled.insert(
            key, natural->scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    return &found.value();
}

} // namespace quorvel
