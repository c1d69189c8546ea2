// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/narrator/character_window.h"

#include "ui/narrator/wizard_painter.h"

#include <QApplication>
#include <QBitmap>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

namespace quorvel {
namespace {

// The wizard and his balloon stand beside the controls they talk about, at times on one: a
// click on them goes on to the game's window underneath, so it is never lost. Press, moves and
// release all go to the widget the press found, as they would without the wizard.
class ClickThrough : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick
            && type != QEvent::MouseButtonRelease && type != QEvent::MouseMove)
            return false;
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint global = mouse->globalPosition().toPoint();
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick)
            m_target = widgetUnder(static_cast<QWidget*>(watched), global);
        if (m_target) {
            QMouseEvent copy(type, m_target->mapFromGlobal(mouse->globalPosition()),
                mouse->globalPosition(), mouse->button(), mouse->buttons(), mouse->modifiers());
            QCoreApplication::sendEvent(m_target, &copy);
        }
        if (type == QEvent::MouseButtonRelease && mouse->buttons() == Qt::NoButton)
            m_target = nullptr;
        return true;
    }

private:
    // The deepest widget of a visible window of the game, other than a companion, under the
    // point.
    static QWidget* widgetUnder(QWidget* companion, QPoint global)
    {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            const QPoint local = window->mapFromGlobal(global);
            if (window == companion || !window->isVisible() || window->isMinimized()
                || window->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus)
                || !window->rect().contains(local))
                continue;
            QWidget* child = window->childAt(local);
            return child ? child : window;
        }
        return nullptr;
    }

    QPointer<QWidget> m_target;
};

} // namespace

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
    window.installEventFilter(new ClickThrough(&window));
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
    if (pose == m_pose && opacity == m_opacity && !m_shownImage.isNull())
        return;
    const bool redraw = !(pose == m_pose) || m_shownImage.isNull();
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
    m_shownImage = QImage();
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
            m_shownImage = drawn.frame;
            applyShape(drawn.shape);
            return;
        }
    }
    // A picture of its own for each pose drawn, which the frames kept below share rather than
    // copy.
    m_shownImage = QImage((QSizeF(size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    m_shownImage.setDevicePixelRatio(ratio);
    m_shownImage.fill(Qt::transparent);
    QPainter painter(&m_shownImage);
    WizardPainter::paint(painter, m_pose, size());
    painter.end();

    // The shape follows the drawing at full strength, so a fading wizard keeps its outline
    // and a desktop without a compositor still shows no box around it.
    QImage alpha = m_shownImage.createAlphaMask(Qt::ThresholdAlphaDither);
    if (ratio != 1.0)
        alpha = alpha.scaled(size());
    const QRegion shape(QBitmap::fromImage(alpha));
    applyShape(shape);
    constexpr std::size_t kept = 4; // at rest: eyes open and shut, and a little to spare
    if (m_drawn.size() == kept)
        m_drawn.erase(m_drawn.begin());
    m_drawn.push_back({ m_pose, m_shownImage, shape });
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
    if (m_shownImage.isNull())
        render();
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(rect(), Qt::transparent);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setOpacity(m_opacity);
    painter.drawImage(QPoint(0, 0), m_shownImage);
}

} // namespace quorvel
