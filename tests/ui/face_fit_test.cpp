// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The machine's face as a classroom screen shows it: everything inside the window, every text
// whole and readable at every size (keys, status line, displays, information panel), and the
// lights on their rail.
#include "core/app/version.h"
#include "ui/app/display_label.h"
#include "ui/app/key_label.h"
#include "ui/app/machine_face.h"
#include "ui/app/machine_form.h"
#include "ui/app/status_label.h"
#include "window_test.h"

#include <QtWidgets>

#include <gtest/gtest.h>

namespace quorvel {
namespace {

// Face sizes: the design (default and minimum width), a 1366x768 screen maximised, a 1920x1080
// screen maximised, twice the design, and shapes wider and taller than the design.
const QSize faceSizes[] = { MachineFace::designSize, { 1366, 695 }, { 1920, 1005 },
    MachineFace::designSize * 2, { 1600, 529 }, { 935, 1000 } };

class Face : public testing::Window
{
};

TEST_F(Face, EverythingLiesInsideTheWindowAtEverySize)
{
    form.showInfoPanel();
    for (const QSize size : faceSizes) {
        SCOPED_TRACE(QString("%1x%2").arg(size.width()).arg(size.height()).toStdString());
        showWithFace(size);
        MachineFace* face = form.face();
        EXPECT_TRUE(face->rect().contains(face->drawnArea()));
        EXPECT_TRUE(form.rect().contains(QRect(face->mapTo(&form, QPoint()), face->size())));
    }
    // Drawn, not only laid out: at the smallest size the face's outermost pixels are its
    // navy ground.
    showWithFace(MachineFace::designSize);
    const QImage image = form.face()->grab().toImage();
    const QColor navy("#000080");
    for (int y = 0; y < image.height(); ++y) {
        ASSERT_EQ(image.pixelColor(image.width() - 1, y), navy) << "right edge, row " << y;
        ASSERT_EQ(image.pixelColor(0, y), navy) << "left edge, row " << y;
    }
}

// The longest texts the status line gets from the machine: the level texts and an opened
// mechanism with a long name.
const QString statusTexts[] = {
    "E'attivo il livello 5",
    "E' attivo il  livello5",
    "E' attivo il meccanismo recuperato  la macchina dei numeri pari della quinta B",
    "E' attivo il meccanismo recuperato  meccanismo_della_classe_quinta_B_di_marzo",
};

TEST_F(Face, StatusLineShowsItsLongestTextsWholeWithoutCoveringAKey)
{
    for (const QSize size : { MachineFace::designSize, QSize { 1920, 1005 } }) {
        showWithFace(size);
        auto* status = control<StatusLabel>("rigaStato");
        const double scale = status->height() / (690 / 15.0);
        for (const QString& text : statusTexts) {
            SCOPED_TRACE(text.toStdString());
            form.textChanged(Control::StatusLine, text.toStdString());
            const WrappedText& fitted = status->fitted();
            EXPECT_TRUE(fitted.complete);
            EXPECT_TRUE(status->toolTip().isEmpty());
            EXPECT_GE(fitted.caption.pixelSize, 11 * scale - 1) << "readable on a whiteboard";
            EXPECT_EQ(fitted.caption.lines.join("").remove(' '), QString(text).remove(' '));
            QFont f = status->font();
            f.setPixelSize(fitted.caption.pixelSize);
            for (const QString& line : fitted.caption.lines)
                EXPECT_LE(QFontMetricsF(f).horizontalAdvance(line),
                    status->width() - 4 * status->margin());
            EXPECT_LE(fitted.height, status->height() - 2 * status->margin());
        }
        for (const char* key : { "cmb", "cancellaSecondo", "cancellaPrimo", "nove2" })
            EXPECT_FALSE(status->geometry().intersects(control(key)->geometry())) << key;
    }
    // The short ones stay at the status line's own size, on one line.
    form.textChanged(Control::StatusLine, "E'attivo il livello 1");
    EXPECT_EQ(control<StatusLabel>("rigaStato")->fitted().caption.lines.size(), 1);
    EXPECT_EQ(control<StatusLabel>("rigaStato")->fitted().caption.pixelSize,
        control<StatusLabel>("rigaStato")->font().pixelSize());
}

TEST_F(Face, KeyCaptionsFillTheirKeysWithoutCrossingTheirEdges)
{
    for (const QSize size : faceSizes) {
        SCOPED_TRACE(QString("%1x%2").arg(size.width()).arg(size.height()).toStdString());
        showWithFace(size);
        for (KeyLabel* key : form.face()->findChildren<KeyLabel*>(Qt::FindDirectChildrenOnly)) {
            SCOPED_TRACE(key->objectName().toStdString());
            const FittedCaption& caption = key->fittedCaption();
            ASSERT_FALSE(caption.lines.isEmpty());
            EXPECT_EQ(caption.lines.join(' '), key->text());
            QFont f = key->font();
            f.setPixelSize(caption.pixelSize);
            const QFontMetricsF metrics(f);
            for (qsizetype i = 0; i < caption.lines.size(); ++i) {
                QRectF ink = metrics.tightBoundingRect(caption.lines[i]);
                ink.moveTopLeft(caption.origins[i] + ink.topLeft());
                const QRectF inside
                    = QRectF(key->rect())
                          .adjusted(key->captionMargin() - 1, 1, 1 - key->captionMargin(), -1);
                EXPECT_TRUE(inside.contains(ink)) << caption.lines[i].toStdString();
            }
        }
        // What fits at the key's own size keeps it; the long caption grows well past the
        // 9 pixels one line would allow.
        const double scale = form.face()->findChild<KeyLabel*>("cmb")->height() / 25.0;
        EXPECT_EQ(control<KeyLabel>("sette2")->fittedCaption().pixelSize,
            control<KeyLabel>("sette2")->font().pixelSize());
        EXPECT_EQ(control<KeyLabel>("exp")->fittedCaption().pixelSize,
            control<KeyLabel>("exp")->font().pixelSize());
        EXPECT_GE(control<KeyLabel>("cmb")->fittedCaption().pixelSize, 12 * scale - 1);
    }
}

TEST_F(Face, LongNumbersShrinkToReadableThenScrollFromTheirEnd)
{
    showWithFace(MachineFace::designSize);
    auto* firstInput = control<DisplayLabel>("primoNumero");
    const int own = firstInput->font().pixelSize();
    const int readable = firstInput->readablePixelSize();
    EXPECT_GE(readable, 16) << "digits a pupil reads from the back of the room";
    // Text: the size it is shown at (0: between readable and own), and whether it scrolls.
    const std::tuple<QString, int, bool> cases[] = {
        { "in", own, false },
        { "1234", 0, false },
        { "1234567", 0, false },
        { "12345678901234567890", readable, true },
    };
    for (const auto& [text, size, scrolls] : cases) {
        SCOPED_TRACE(text.toStdString());
        form.textChanged(Control::FirstInput, text.toStdString());
        if (size > 0) {
            EXPECT_EQ(firstInput->shownPixelSize(), size);
        }
        EXPECT_GE(firstInput->shownPixelSize(), readable);
        EXPECT_LE(firstInput->shownPixelSize(), own);
        EXPECT_EQ(firstInput->hiddenWidth() > 0, scrolls);
        EXPECT_EQ(firstInput->scrolledBack(), 0) << "the digit typed last is in view";
    }

    // The wheel goes back a digit a notch and stops at the start; dragging and the arrows
    // move the same way.
    const auto wheel = [&](int notches) {
        QWheelEvent event(QPointF(10, 10), firstInput->mapToGlobal(QPointF(10, 10)), QPoint(),
            QPoint(0, 120 * notches), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(firstInput, &event);
    };
    const double digit = firstInput->digitWidth();
    const double hiddenDigits = firstInput->hiddenWidth() / digit;
    EXPECT_NEAR(hiddenDigits, std::round(hiddenDigits), 0.05) << "only whole digits in view";
    wheel(1);
    EXPECT_DOUBLE_EQ(firstInput->scrolledBack(), digit);
    wheel(100);
    EXPECT_DOUBLE_EQ(firstInput->scrolledBack(), firstInput->hiddenWidth());
    wheel(-1);
    EXPECT_DOUBLE_EQ(firstInput->scrolledBack(), firstInput->hiddenWidth() - digit);
    const auto mouse = [&](QEvent::Type type, double x, Qt::MouseButtons held) {
        QMouseEvent event(type, QPointF(x, firstInput->height() / 2),
            firstInput->mapToGlobal(QPointF(x, firstInput->height() / 2)), Qt::LeftButton, held,
            {});
        QApplication::sendEvent(firstInput, &event);
    };
    mouse(QEvent::MouseButtonPress, firstInput->width() - 2, Qt::LeftButton); // the right arrow
    EXPECT_EQ(firstInput->scrolledBack(), 0);
    mouse(QEvent::MouseButtonPress, 1, Qt::LeftButton); // the left arrow
    EXPECT_DOUBLE_EQ(firstInput->scrolledBack(), firstInput->hiddenWidth());
    mouse(QEvent::MouseMove, 1 - 1.4 * digit, Qt::LeftButton); // dragged leftwards
    mouse(QEvent::MouseButtonRelease, 1 - 1.4 * digit, Qt::NoButton);
    EXPECT_NEAR(firstInput->scrolledBack(), firstInput->hiddenWidth() - digit, 0.01)
        << "settles on a digit";
    form.textChanged(Control::FirstInput, "123456789012345678901");
    EXPECT_EQ(firstInput->scrolledBack(), 0) << "a new digit brings the end back into view";
    EXPECT_EQ(form.typingInto(), Keypad::First) << "a press on a display still selects it";
}

TEST_F(Face, InformationPanelShowsItsLinesWholeTheVersionAndTheLicence)
{
    form.showInfoPanel();
    for (const QSize size : { MachineFace::designSize, MachineFace::designSize * 2 }) {
        showWithFace(size);
        for (QLabel* line : control("pannelloInformazioni")->findChildren<QLabel*>()) {
            SCOPED_TRACE(line->objectName().toStdString());
            EXPECT_LE(QFontMetricsF(line->font()).horizontalAdvance(line->text()),
                line->contentsRect().width());
            EXPECT_FALSE(line->text().contains(".example")) << "no address we do not have";
        }
        // The two lines of the purpose read as one sentence: one size for both.
        EXPECT_EQ(control("scopo1")->font().pixelSize(), control("scopo2")->font().pixelSize());
    }
    EXPECT_EQ(control<QLabel>("versione")->text(), " Versione " + QString(programVersion));
    EXPECT_TRUE(control<QLabel>("crediti4")->text().contains("diritti riservati"));
}

TEST_F(Face, LightsSitOnTheRailWithoutASquareAroundThem)
{
    showWithFace(MachineFace::designSize);
    form.onLampTick();
    QCoreApplication::processEvents();
    const QImage image = form.face()->grab().toImage();
    for (int light = 1; light <= 4; ++light) {
        const QRect area = control(QString("Picture%1").arg(light))->geometry();
        EXPECT_EQ(image.pixelColor(area.topLeft() + QPoint(4, 4)), QColor("#10194A"))
            << "Picture" << light << ": the rail shows at the corner";
        EXPECT_NE(image.pixelColor(area.center()), QColor("#10194A")) << "the lamp is drawn";
    }
    // Twice as large, the lamps are drawn again at their new size without waiting for a tick.
    showWithFace(MachineFace::designSize * 2);
    QCoreApplication::processEvents();
    for (int light = 1; light <= 5; ++light) {
        const auto* label = control<QLabel>(QString("Picture%1").arg(light));
        EXPECT_EQ(label->pixmap().size(), label->size()) << "Picture" << light;
    }
}

} // namespace
} // namespace quorvel
