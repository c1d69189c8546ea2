// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/narrator/wizard_painter.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace quorvel {

namespace {

constexpr double degrees = 3.14159265358979323846 / 180;
constexpr double upperArm = 18;
constexpr double forearm = 15;
constexpr double wandLength = 18;

const QColor robe(47, 79, 176);
const QColor robeDark(31, 52, 125);
const QColor hat(86, 46, 150);
const QColor gold(246, 200, 60);
const QColor skin(242, 201, 160);
const QColor beard(245, 245, 240);
const QColor outline(40, 30, 60);

// A point reached from `from` along an arm angle (0 down, 90 sideways, 180 up).
QPointF along(QPointF from, double angle, double length, bool leftSide)
{
    const double dx = std::sin(angle * degrees) * length;
    return { from.x() + (leftSide ? -dx : dx), from.y() + std::cos(angle * degrees) * length };
}

void drawStar(QPainter& p, QPointF centre, double radius, const QColor& colour)
{
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 ? radius * 0.45 : radius;
        const QPointF point(centre.x() + r * std::sin(i * 36 * degrees),
            centre.y() - r * std::cos(i * 36 * degrees));
        i == 0 ? star.moveTo(point) : star.lineTo(point);
    }
    star.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(star);
}

struct Arm
{
    QPointF shoulder, elbow, hand;
};

Arm armOf(QPointF shoulder, double angle, double bend, bool leftSide)
{
    const QPointF elbow = along(shoulder, angle, upperArm, leftSide);
    return { shoulder, elbow, along(elbow, angle - bend, forearm, leftSide) };
}

void drawArm(QPainter& p, const Arm& arm)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(outline, 12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF { arm.shoulder, arm.elbow, arm.hand });
    p.setPen(QPen(robe, 10, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF { arm.shoulder, arm.elbow, arm.hand });
    p.setPen(QPen(outline, 1));
    p.setBrush(skin);
    p.drawEllipse(arm.hand, 4.5, 4.5);
}

void drawRobe(QPainter& p, const WizardPose& pose)
{
    const double widen = 2 * pose.breath;
    QPainterPath body;
    body.moveTo(52 - widen / 2, 76);
    body.cubicTo(44 - widen, 100, 36 - widen, 130, 30 - widen, 152);
    body.quadTo(65, 158, 100 + widen, 152);
    body.cubicTo(94 + widen, 130, 86 + widen, 100, 78 + widen / 2, 76);
    body.closeSubpath();
    p.setPen(QPen(outline, 1.5));
    p.setBrush(robe);
    p.drawPath(body);
    p.setPen(QPen(gold, 3));
    p.drawLine(QPointF(32 - widen, 149), QPointF(98 + widen, 149));
    for (const QPointF& at : { QPointF(45, 132), QPointF(84, 124), QPointF(60, 141) })
        drawStar(p, at, 3.5, gold);
    p.setPen(QPen(outline, 1));
    p.setBrush(QColor(90, 60, 40));
    p.drawEllipse(QPointF(52, 155), 9, 4);
    p.drawEllipse(QPointF(78, 155), 9, 4);
}

void drawHat(QPainter& p)
{
    QPainterPath cone;
    cone.moveTo(40, 46);
    cone.cubicTo(52, 30, 58, 14, 74, 4);
    cone.quadTo(86, 2, 88, 10);
    cone.quadTo(80, 8, 78, 14);
    cone.cubicTo(80, 26, 84, 38, 90, 46);
    cone.closeSubpath();
    p.setPen(QPen(outline, 1.5));
    p.setBrush(hat);
    p.drawPath(cone);
    drawStar(p, QPointF(62, 33), 4, gold);
    drawStar(p, QPointF(75, 22), 3, gold);
    // A crescent: a gold disc with a hat-coloured bite.
    p.setBrush(gold);
    p.drawEllipse(QPointF(75, 39), 4, 4);
    p.setBrush(hat);
    p.drawEllipse(QPointF(77, 38), 3.5, 3.5);
    p.setPen(QPen(outline, 1.5));
    p.setBrush(hat.darker(120));
    p.drawEllipse(QPointF(65, 47), 34, 6);
}

void drawFace(QPainter& p, const WizardPose& pose)
{
    p.setPen(QPen(outline, 1));
    p.setBrush(skin);
    p.drawEllipse(QPointF(65, 60), 13, 12);

    const QPointF look(1.6 * pose.lookX, 1.3 * pose.lookY);
    for (double x : { 59.5, 70.5 }) {
        const QPointF eye = QPointF(x, 57) + look;
        if (pose.eyeOpen < 0.5) {
            p.setPen(QPen(outline, 1.3));
            p.drawLine(eye - QPointF(2.5, 0), eye + QPointF(2.5, 0));
        } else {
            p.setPen(Qt::NoPen);
            p.setBrush(outline);
            p.drawEllipse(eye, 1.9, 2.4 * pose.eyeOpen);
        }
        p.setPen(QPen(beard, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x - 4, 52.5), QPointF(x + 3.5, 52));
    }
    p.setPen(QPen(outline.lighter(200), 0.8));
    p.setBrush(QColor(230, 150, 130));
    p.drawEllipse(QPointF(65, 62), 3, 2.6);
}

void drawBeard(QPainter& p, const WizardPose& pose)
{
    QPainterPath shape;
    shape.moveTo(52, 60);
    shape.cubicTo(50, 80, 56, 98, 65, 112);
    shape.cubicTo(74, 98, 80, 80, 78, 60);
    shape.quadTo(72, 72, 65, 70);
    shape.quadTo(58, 72, 52, 60);
    p.setPen(QPen(QColor(190, 190, 185), 1));
    p.setBrush(beard);
    p.drawPath(shape);
    p.setPen(QPen(QColor(200, 200, 195), 0.8));
    p.drawLine(QPointF(60, 80), QPointF(63, 100));
    p.drawLine(QPointF(70, 80), QPointF(67, 100));

    const double open = 1 + 4 * pose.mouthOpen;
    p.setPen(QPen(outline, 1));
    p.setBrush(QColor(120, 40, 50));
    p.drawEllipse(QPointF(65, 68.5), 3.5, open / 2 + 0.6);
    // The moustache sits over the mouth.
    p.setPen(Qt::NoPen);
    p.setBrush(beard);
    p.drawEllipse(QPointF(60.5, 65.5), 5, 2.4);
    p.drawEllipse(QPointF(69.5, 65.5), 5, 2.4);
}

void drawWand(QPainter& p, const WizardPose& pose, QPointF hand, QPointF tip)
{
    p.setPen(QPen(QColor(110, 70, 40), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(hand, tip);
    drawStar(p, tip, 4.5 + 2 * pose.sparks, gold);
}

void drawSparks(QPainter& p, const WizardPose& pose, QPointF tip)
{
    if (pose.sparks <= 0)
        return;
    static const QColor colours[] = { QColor(255, 230, 90), QColor(120, 230, 255),
        QColor(255, 140, 220), QColor(255, 255, 255) };
    p.save();
    p.setOpacity(p.opacity() * pose.sparks);
    const int count = pose.bigSpell ? 12 : 6;
    for (int i = 0; i < count; ++i) {
        const double travel = std::fmod(pose.sparkPhase * 2 + i / double(count), 1.0);
        const double angle = pose.bigSpell ? i * 360.0 / count : pose.wandAngle - 10 + 12 * i;
        const double reach = (pose.bigSpell ? 34 : 20) * travel;
        const QPointF at = along(tip, angle, reach, false);
        drawStar(p, at, 2 + 2.5 * (1 - travel), colours[i % 4]);
    }
    p.restore();
}

void drawLens(QPainter& p, const WizardPose& pose, QPointF hand)
{
    p.save();
    p.setOpacity(p.opacity() * pose.propAmount);
    const QPointF glass = hand + QPointF(3, -10);
    p.setPen(QPen(QColor(110, 70, 40), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(hand, glass);
    p.setPen(QPen(gold, 2));
    p.setBrush(QColor(190, 230, 255, 150));
    p.drawEllipse(glass, 7.5, 7.5);
    p.restore();
}

void drawBook(QPainter& p, const WizardPose& pose, QPointF left, QPointF right)
{
    p.save();
    p.setOpacity(p.opacity() * pose.propAmount);
    const QPointF centre = (left + right) / 2 + QPointF(0, -4);
    const QRectF page(centre.x() - 17, centre.y() - 10, 34, 20);
    p.setPen(QPen(outline, 1));
    p.setBrush(QColor(150, 40, 40));
    p.drawRoundedRect(page.adjusted(-2, -1, 2, 2), 2, 2);
    p.setBrush(QColor(252, 248, 230));
    p.drawRect(page.adjusted(0, 0, -17.5, 0));
    p.drawRect(page.adjusted(17.5, 0, 0, 0));
    p.setPen(QPen(QColor(120, 120, 140), 0.8));
    for (int line = 0; line < 4; ++line) {
        const double y = page.top() + 4 + line * 4;
        p.drawLine(QPointF(page.left() + 3, y), QPointF(page.center().x() - 3, y));
        p.drawLine(QPointF(page.center().x() + 3, y), QPointF(page.right() - 3, y));
    }
    p.restore();
}

// A raised arm passes in front of the hat's brim, a lowered one behind the beard: each is
// drawn in the pass that matches.
void drawLimbs(QPainter& p, const WizardPose& pose, const Arm& left, const Arm& right,
    QPointF wandTip, bool raisedPass)
{
    if ((pose.leftArm > 100) == raisedPass)
        drawArm(p, left);
    if ((pose.rightArm > 100) == raisedPass) {
        drawArm(p, right);
        drawWand(p, pose, right.hand, wandTip);
    }
}

} // namespace

void WizardPainter::paint(QPainter& p, const WizardPose& pose, QSize size)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(
        size.width() / double(naturalSize.width()), size.height() / double(naturalSize.height()));
    p.translate(0, -pose.bob);

    const Arm left = armOf(QPointF(53, 80), pose.leftArm, pose.leftBend, true);
    const Arm right = armOf(QPointF(77, 80), pose.rightArm, pose.rightBend, false);
    const QPointF wandTip = along(right.hand, pose.wandAngle, wandLength, false);

    drawRobe(p, pose);
    drawLimbs(p, pose, left, right, wandTip, false);
    p.save();
    // The head leans about the neck.
    p.translate(65, 74);
    p.rotate(pose.headTilt);
    p.translate(-65, -74);
    drawFace(p, pose);
    drawBeard(p, pose);
    drawHat(p);
    p.restore();
    drawLimbs(p, pose, left, right, wandTip, true);
    if (pose.prop == Prop::Lens)
        drawLens(p, pose, left.hand);
    if (pose.prop == Prop::Book)
        drawBook(p, pose, left.hand, right.hand);
    drawSparks(p, pose, wandTip);
    p.restore();
}

} // namespace quorvel
