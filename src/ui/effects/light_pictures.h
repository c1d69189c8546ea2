// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QHash>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <string>

namespace quorvel {

// The four lamp pictures "luce1.gif".."luce4.gif", read once from the program folder. The light
// cycle names a picture at every tick; keeping them in memory shows the same thing without
// reading ten files a second.
class LightPictures
{
public:
    explicit LightPictures(const QString& folder);

    // nullptr for a name that is not one of the four or whose file could not be read: that
    // light then keeps whatever it showed.
    const QPixmap* picture(const std::string& name) const;
    // The same, scaled smoothly to a light's size once and kept until that size changes: the
    // lights blink twice a second and scaling at every blink would cost more than the blink.
    const QPixmap* picture(const std::string& name, QSize size);

private:
    QHash<QString, QPixmap> m_pictures;
    QHash<QString, QPixmap> m_scaled;
    QSize m_scaledSize;
};

} // namespace quorvel
