// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/effects/clip_player.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>

#include <cstdio>

namespace quorvel {

namespace {

// The clip of each operation, by the index of the operation in force: +, −, ×, :.
const char* const operationClips[] = { "rosso.gif", "verde.gif", "blu.gif", "grigio.gif" };

} // namespace

ClipPlayerWidget::ClipPlayerWidget(const QString& folder, QWidget* parent)
    : QWidget(parent)
    , m_folder(folder)
{
    connect(&m_movie, &QMovie::frameChanged, this, qOverload<>(&QWidget::update));
}

void ClipPlayerWidget::showOperation(int index)
{
    if (index >= 1 && index <= 4)
        setMovie(QDir(m_folder).filePath(QString::fromLatin1(operationClips[index - 1])));
}

void ClipPlayerWidget::setMovie(const QString& fileName)
{
    m_movie.stop();
    m_movie.setFileName(fileName);
    if (m_movie.isValid())
        m_movie.start();
    else
        reportUnreadable(fileName);
    update();
}

void ClipPlayerWidget::playClip()
{
    if (!m_movie.isValid())
        return;
    // A clip that has played to its end is idle again and starts over from its first frame.
    if (m_movie.state() == QMovie::Paused)
        m_movie.setPaused(false);
    else if (m_movie.state() == QMovie::NotRunning)
        m_movie.start();
}

void ClipPlayerWidget::stopClip()
{
    if (m_movie.state() == QMovie::Running)
        m_movie.setPaused(true);
}

void ClipPlayerWidget::showFrame(int frame)
{
    const int count = m_movie.frameCount();
    if (!m_movie.isValid() || frame < 1 || (count > 0 && frame > count))
        return;
    // A GIF's frames can only be read in order: rewind, then step on to the frame asked for.
    m_movie.jumpToFrame(0);
    while (m_movie.currentFrameNumber() < frame - 1 && m_movie.jumpToNextFrame()) { }
}

void ClipPlayerWidget::paintEvent(QPaintEvent*)
{
    if (!m_movie.isValid())
        return;
    const QPixmap frame = m_movie.currentPixmap();
    if (frame.isNull())
        return;
    const QSize fitted = frame.size().scaled(size(), Qt::KeepAspectRatio);
    QRect target(QPoint(0, 0), fitted);
    target.moveCenter(rect().center());
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(target, frame);
}

// Once per path: the operation change loads a clip at every click, and one line is enough
// to tell an installer which file is missing.
void ClipPlayerWidget::reportUnreadable(const QString& path)
{
    if (m_reported.contains(path))
        return;
    m_reported.insert(path);
    const char* what = QFileInfo::exists(path) ? "clip unreadable" : "clip not found";
    std::fprintf(stderr, "quorvel: %s: %s\n", what, qPrintable(QDir::toNativeSeparators(path)));
}

} // namespace quorvel
