// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/ports/ports.h"

#include <QMovie>
#include <QSet>
#include <QString>
#include <QWidget>

namespace quorvel {

// The clip area `shock`: shows one animated clip, played once, scaled to fit the area with its
// proportions kept, so that it grows with the window. A clip that cannot be read leaves the
// area showing only its background and the operations do nothing.
class ClipPlayerWidget : public QWidget, public ClipPlayer
{
    Q_OBJECT

public:
    // The operations' clips are read from `folder`.
    explicit ClipPlayerWidget(const QString& folder, QWidget* parent = nullptr);

    void showOperation(int index) override;
    // Loads a clip, shows its first frame and starts it.
    void setMovie(const QString& fileName);
    void playClip() override;
    void stopClip() override;
    void showFrame(int frame) override;

    // Read back by the tests; the machine itself never asks.
    bool hasClip() const { return m_movie.isValid(); }
    QString fileName() const { return m_movie.fileName(); }
    int currentFrameNumber() const { return m_movie.currentFrameNumber(); } // counts from 0
    int frameCount() const { return m_movie.frameCount(); }
    bool isRunning() const { return m_movie.state() == QMovie::Running; }
    bool isPaused() const { return m_movie.state() == QMovie::Paused; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void reportUnreadable(const QString& path);

    QString m_folder;
    QMovie m_movie;
    QSet<QString> m_reported;
};

} // namespace quorvel
