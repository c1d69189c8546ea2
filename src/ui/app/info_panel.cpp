// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/app/info_panel.h"

#include "core/app/version.h"
#include "ui/app/common_words.h"
#include "ui/app/key_label.h"
#include "ui/app/text_fit.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>

namespace quorvel {
namespace {

constexpr QSize panelPixels { 385, 281 }; // 5775 x 4215 twips
const QColor orange("#FFA040");

QLabel* textLine(const QString& name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    colourLabel(label, orange);
    return label;
}

} // namespace

InfoPanel::InfoPanel(const QString& programFolder, QWidget* parent)
    : QFrame(parent)
    , m_closeKey(new KeyLabel("X", QColor("#C00000"), Qt::white, this))
{
    setObjectName("pannelloInformazioni");
    setAccessibleName(tr("informazioni"));
    m_closeKey->setObjectName("chiudiInformazioni");
    m_closeKey->setAccessibleName(closeName());
    m_layout.add(m_closeKey, { 5355, 45, 375, 300 }, 14, true);

    m_layout.add(textLine("nomeProgramma", "Quorvel", this), { 240, 420, 3900, 600 }, 32, true);
    const QString version = QString::fromLatin1(programVersion);
    //: %1 is the program's version; the line starts with a space
    m_layout.add(
        textLine("versione", tr(" Versione %1").arg(version), this), { 240, 1020, 3900, 330 }, 14);
    //: the first of two lines that make one sentence; each line starts with a space
    m_layout.add(textLine("scopo1", tr(" Gioco didattico di supporto all'acquisizione"), this),
        { 240, 1560, 5400, 330 }, 14);
    //: the second of two lines that make one sentence
    m_layout.add(textLine("scopo2", tr(" del concetto di modello e del metodo sperimentale"), this),
        { 240, 1890, 5400, 330 }, 14);
    const QString credits[] = {
        tr("Ideazione e programmazione: il gruppo Quorvel"),
        tr("Con gli insegnanti e gli alunni delle classi di prova"),
        tr("Disegni, animazioni e voce del mago: opera nostra"),
        // The licence, where a web address would be: the program has none of its own.
        tr("© 2026 il gruppo Quorvel, tutti i diritti riservati"),
    };
    for (int i = 0; i < 4; ++i)
        m_layout.add(textLine(QString("crediti%1").arg(1 + i), credits[i], this),
            { 240, 2520 + i * 390, 5400, 330 }, 12);

    auto* picture = new QLabel(this);
    picture->setObjectName("Picture6");
    picture->setAccessibleName(tr("Una scatola chiusa: entrano due numeri, esce un numero"));
    m_picture = picture;
    m_pictureFile = programFolder + "/info.png";
    picture->setScaledContents(true);
    m_layout.add(picture, { 4200, 420, 1200, 1200 });
}

void InfoPanel::showEvent(QShowEvent* event)
{
    QFrame::showEvent(event);
    if (m_picture->pixmap().isNull()) // read when the panel is first opened
        m_picture->setPixmap(QPixmap(m_pictureFile));
}

void InfoPanel::resizeEvent(QResizeEvent*)
{
    m_scale = m_layout.apply(size(), panelPixels);
    // Lines that belong together keep one size: the largest at which the widest of them fits.
    const QStringList groups[] = { { "nomeProgramma" }, { "versione" }, { "scopo1", "scopo2" },
        { "crediti1", "crediti2", "crediti3", "crediti4" } };
    for (const QStringList& group : groups) {
        QList<QLabel*> lines;
        int size = 0;
        for (const QString& name : group) {
            auto* line = findChild<QLabel*>(name, Qt::FindDirectChildrenOnly);
            const int fits
                = fittedPixelSize(line->font(), line->text(), line->contentsRect().width(), 6);
            size = lines.isEmpty() ? fits : std::min(size, fits);
            lines.append(line);
        }
        for (QLabel* line : lines) {
            QFont f = line->font();
            f.setPixelSize(size);
            line->setFont(f);
        }
    }
    KeyLabel::fitCaptions({ m_closeKey });
}

void InfoPanel::paintEvent(QPaintEvent*)
{
    paintPanelFrame(this, m_scale, tr("informazioni"), false);
}

} // namespace quorvel
