#pragma once

#include <QColor>
#include <QLabel>

namespace quorvel {

// The input and output displays: the text as large as fits, shrinking for long numbers and,
// past the smallest size, showing the last digits after an ellipsis. A click selects the
// display for the keyboard; the selected one wears a bright frame.
class DisplayLabel : public QLabel
{
    Q_OBJECT
public:
    DisplayLabel(const QString& text, QColor background, QColor textColour, QWidget* parent);

    void setSelected(bool selected);
    bool isSelected() const { return m_selected; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QColor m_background;
    QColor m_textColour;
    bool m_selected = false;
};

} // namespace quorvel
