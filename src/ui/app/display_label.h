// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QLabel>

namespace quorvel {

// The input and output displays: the whole text at the largest size that fits, shrinking for
// long numbers down to a size still readable across a classroom. A text longer than that shows
// its end (the digit typed last) and scrolls: with the mouse wheel, by dragging it, or by a
// click on the arrow that marks the hidden digits. A click elsewhere selects the display for
// the keyboard; the selected one wears a bright frame.
class DisplayLabel : public QLabel
{
    Q_OBJECT
public:
    DisplayLabel(const QString& text, QColor background, QColor textColour, QWidget* parent);

    // Shows a new text, fitted to the display, its end in view.
    void showText(const QString& text);
    void setSelected(bool selected);
    // The display's colours: its own, or others for the high-contrast face.
    void setColours(QColor background, QColor textColour);
    QColor ownBackground() const { return m_ownBackground; }
    QColor ownTextColour() const { return m_ownTextColour; }
    QColor background() const { return m_background; }
    QColor textColour() const { return m_textColour; }
    bool isSelected() const { return m_selected; }

    // The size the text is drawn at, the pixels of it hidden, and how far it is scrolled
    // back from its end (0: the end in view, hiddenWidth(): the start in view).
    int shownPixelSize() const { return m_pixelSize; }
    double hiddenWidth() const { return m_hidden; }
    double scrolledBack() const { return m_back; }
    double digitWidth() const { return m_digitWidth; }
    // The smallest size the text shrinks to before it scrolls.
    int readablePixelSize() const;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void refit();
    void scrollBack(double pixels);
    int frame() const { return std::max(2, height() / 30); }
    QRect textArea() const;
    QRectF textWindow() const; // the part of the area a scrolling number shows

    QColor m_ownBackground;
    QColor m_ownTextColour;
    QColor m_background;
    QColor m_textColour;
    bool m_selected = false;
    int m_pixelSize = 0;
    double m_textWidth = 0;
    double m_digitWidth = 1;
    double m_window = 0;
    double m_hidden = 0;
    double m_back = 0;
    double m_dragFrom = 0;
    bool m_dragging = false;
};

} // namespace quorvel
