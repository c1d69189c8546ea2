#include "ui/narrator/character_window.h"

#include "ui/narrator/wizard_painter.h"

#include <QBitmap>
#include <QGuiApplication>
#include <QPainter>

namespace quorvel {

bool platformShapesWindows()
{
    static const bool shapes = QGuiApplication::platformName() != QLatin1String("offscreen")
        && QGuiApplication::platformName() != QLatin1String("minimal");
    return shapes;
}

void makeCompanionWindow(QWidget& window)
{
    // A tool window stays out of the task bar; it never takes the keyboard from the game.
    window.setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
        | Qt::WindowDoesNotAcceptFocus | Qt::NoDropShadowWindowHint);
    window.setAttribute(Qt::WA_TranslucentBackground);
    window.setAttribute(Qt::WA_ShowWithoutActivating);
    // Closing the game's window ends the program even while the wizard is on screen.
    window.setAttribute(Qt::WA_QuitOnClose, false);
    window.setFocusPolicy(Qt::NoFocus);
}

CharacterWindow::CharacterWindow(QWidget* parent)
    : QWidget(parent)
{
    makeCompanionWindow(*this);
    setWindowTitle(QStringLiteral("Merlin"));
    setFixedSize(WizardPainter::naturalSize);
}

void CharacterWindow::setPose(const WizardPose& pose, double opacity)
{
    if (pose == m_pose && opacity == m_opacity && !m_frame.isNull())
        return;
    const bool redraw = !(pose == m_pose) || m_frame.isNull();
    m_pose = pose;
    m_opacity = opacity;
    if (redraw)
        render();
    update();
}

void CharacterWindow::setScale(double scale)
{
    const QSize size = (QSizeF(WizardPainter::naturalSize) * scale).toSize();
    if (scale <= 0 || size == this->size())
        return;
    setFixedSize(size);
    m_drawn.clear();
    m_frame = QImage();
    render();
    update();
}

QPoint CharacterWindow::mouth() const
{
    return { width() / 2, height() * 68 / WizardPainter::naturalSize.height() };
}

void CharacterWindow::render()
{
    const qreal ratio = devicePixelRatioF();
    for (const Drawn& drawn : m_drawn) {
        if (drawn.pose == m_pose && drawn.frame.devicePixelRatio() == ratio) {
            m_frame = drawn.frame;
            applyShape(drawn.shape);
            return;
        }
    }
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (m_frame.size() != pixels) {
        m_frame = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        m_frame.setDevicePixelRatio(ratio);
    }
    m_frame.fill(Qt::transparent);
    QPainter painter(&m_frame);
    WizardPainter::paint(painter, m_pose, size());
    painter.end();

    // The shape follows the drawing at full strength, so a fading wizard keeps its outline
    // and a desktop without a compositor still shows no box around it.
    QImage alpha = m_frame.createAlphaMask(Qt::ThresholdAlphaDither);
    if (ratio != 1.0)
        alpha = alpha.scaled(size());
    const QRegion shape(QBitmap::fromImage(alpha));
    applyShape(shape);
    constexpr std::size_t kept = 4; // at rest: eyes open and shut, and a little to spare
    if (m_drawn.size() == kept)
        m_drawn.erase(m_drawn.begin());
    m_drawn.push_back({ m_pose, m_frame.copy(), shape });
}

void CharacterWindow::applyShape(const QRegion& shape)
{
    if (shape == m_shape)
        return;
    m_shape = shape;
    if (platformShapesWindows())
        setMask(m_shape);
}

void CharacterWindow::paintEvent(QPaintEvent*)
{
    if (m_frame.isNull())
        render();
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(rect(), Qt::transparent);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setOpacity(m_opacity);
    painter.drawImage(QPoint(0, 0), m_frame);
}

} // namespace quorvel
