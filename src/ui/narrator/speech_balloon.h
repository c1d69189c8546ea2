#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>

namespace quorvel {

// The balloon beside the wizard. It is sized for the whole text when the text arrives and then
// reveals it word by word, so it never grows while the pupil reads.
class SpeechBalloon : public QWidget
{
    Q_OBJECT

public:
    explicit SpeechBalloon(QWidget* parent = nullptr);

    void setTextFont(const QFont& font);
    // Takes a new text with nothing of it showing yet.
    void present(const QString& text);
    void setRevealed(int characters);
    QString shownText() const { return m_text.left(m_revealed); }
    const QString& text() const { return m_text; }
    // Stands beside the character's window with the tail towards its mouth (screen points):
    // to its right when the screen has room there, else to its left.
    void placeBeside(const QRect& character, const QPoint& mouth);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect textArea() const;
    void reshape();

    QFont m_font;
    QString m_text;
    int m_revealed = 0;
    QSize m_bodySize;
    bool m_tailOnLeft = true;
    int m_tailY = 0;
};

} // namespace quorvel
