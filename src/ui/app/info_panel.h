// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/app/scaled_layout.h"

#include <QFrame>

class QLabel;

namespace quorvel {

class KeyLabel;

// The information panel: the program's name, version, purpose and credits, closed by its "X".
class InfoPanel : public QFrame
{
    Q_OBJECT
public:
    InfoPanel(const QString& programFolder, QWidget* parent);
    KeyLabel* closeKey() const { return m_closeKey; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    ScaledLayout m_layout;
    KeyLabel* m_closeKey;
    QLabel* m_picture = nullptr;
    QString m_pictureFile;
    double m_scale = 1.0;
};

} // namespace quorvel
