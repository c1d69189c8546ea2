// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/app/view_options.h"

#include "language/language.h"
#include "ui/app/caption_strip.h"
#include "ui/app/display_label.h"
#include "ui/app/key_label.h"
#include "ui/app/machine_face.h"
#include "ui/app/status_label.h"
#include "ui/notebook/notebook_dock.h"
#include "ui/notebook/notebook_panel.h"

#include <QActionGroup>
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QSettings>
#include <QStyle>

#include <algorithm>
#include <cmath>
#include <tuple>

namespace quorvel {
namespace {

constexpr const char* contrastKey = "vista/altoContrasto";
constexpr const char* largeKey = "vista/testoGrande";

// The high-contrast face keeps the machine's colours, darker grounds and brighter text: blue
// keypads with yellow digits, red command keys with white words, white displays.
const QColor digitGround("#000060");
const QColor digitInk("#FFFF00");
const QColor commandGround("#800000");
const QColor commandInk("#FFFFFF");
const QColor keyFrame("#FFFFFF");
const QColor displayGround("#FFFFFF");
const QColor displayInk("#000000");
const QColor statusGround("#FFFFFF");
const QColor statusInk("#000000");

double luminance(QColor c)
{
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

// White words on black, yellow for what is chosen, grey at 8:1 for what cannot be used.
QPalette highContrastPalette()
{
    QPalette p;
    for (const QPalette::ColorGroup group : { QPalette::Active, QPalette::Inactive }) {
        p.setColor(group, QPalette::Window, Qt::black);
        p.setColor(group, QPalette::WindowText, Qt::white);
        p.setColor(group, QPalette::Base, Qt::black);
        p.setColor(group, QPalette::AlternateBase, QColor("#202020"));
        p.setColor(group, QPalette::Text, Qt::white);
        p.setColor(group, QPalette::Button, Qt::black);
        p.setColor(group, QPalette::ButtonText, Qt::white);
        p.setColor(group, QPalette::Highlight, QColor("#FFFF00"));
        p.setColor(group, QPalette::HighlightedText, Qt::black);
        p.setColor(group, QPalette::ToolTipBase, Qt::black);
        p.setColor(group, QPalette::ToolTipText, Qt::white);
        p.setColor(group, QPalette::PlaceholderText, QColor("#C0C0C0"));
        p.setColor(group, QPalette::Link, QColor("#80C0FF"));
        p.setColor(group, QPalette::BrightText, QColor("#FFFF00"));
        p.setColor(group, QPalette::Light, QColor("#FFFFFF"));
        p.setColor(group, QPalette::Mid, QColor("#A0A0A0"));
        p.setColor(group, QPalette::Dark, QColor("#A0A0A0"));
    }
    p.setColor(QPalette::Disabled, QPalette::Window, Qt::black);
    p.setColor(QPalette::Disabled, QPalette::Base, Qt::black);
    p.setColor(QPalette::Disabled, QPalette::Button, Qt::black);
    for (const QPalette::ColorRole role :
        { QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::PlaceholderText })
        p.setColor(QPalette::Disabled, role, QColor("#A0A0A0"));
    return p;
}

} // namespace

double contrastRatio(QColor a, QColor b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

ViewOptions::ViewOptions(
    QMainWindow& window, MachineFace& face, CaptionStrip& strip, NotebookDock& notebook)
    : QObject(&window)
    , m_window(window)
    , m_face(face)
    , m_strip(strip)
    , m_notebook(notebook)
{
    if (const auto* status = m_face.findChild<StatusLabel*>())
        m_statusPalette = status->palette();
    m_normalPalette = QApplication::palette();
}

void ViewOptions::addMenu(QMenuBar& bar)
{
    QMenu* menu = bar.addMenu(tr("&vista"));
    menu->setObjectName("menuVista");
    m_contrast = menu->addAction(tr("Alto &contrasto"));
    m_contrast->setObjectName("altoContrasto");
    m_contrast->setCheckable(true);
    connect(m_contrast, &QAction::toggled, this, &ViewOptions::setHighContrast);
    m_large = menu->addAction(tr("Testo &grande"));
    m_large->setObjectName("testoGrande");
    m_large->setCheckable(true);
    connect(m_large, &QAction::toggled, this, &ViewOptions::setLargeText);
    addLanguageMenu(*menu);
}

// The language is chosen for the next start: every text of the window, the wizard's voice
// and the balloon's words are made once, as the window opens.
void ViewOptions::addLanguageMenu(QMenu& view)
{
    QMenu* menu = view.addMenu(tr("&Lingua"));
    menu->setObjectName("menuLingua");
    auto* group = new QActionGroup(menu);
    for (const auto& [language, name, id] :
        { std::tuple { Language::italian, "&Italiano", "linguaItaliano" },
            std::tuple { Language::english, "&English", "linguaEnglish" } }) {
        QAction* action = menu->addAction(QString::fromUtf8(name));
        action->setObjectName(QLatin1String(id));
        action->setCheckable(true);
        // The language in force, as --lingua may have asked, not only the one remembered.
        action->setChecked(language == currentLanguage());
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, language = language] {
            if (language == chosenLanguage())
                return;
            rememberLanguage(language);
            QMessageBox::information(&m_window, tr("Lingua"),
                language == currentLanguage()
                    ? tr("Il gioco resta nella lingua di adesso.")
                    : tr("Il gioco cambierà lingua la prossima volta che lo apri."));
        });
    }
}

void ViewOptions::restore()
{
    const QSettings settings;
    m_contrast->setChecked(settings.value(contrastKey, false).toBool());
    m_large->setChecked(settings.value(largeKey, false).toBool());
}

bool ViewOptions::highContrast() const
{
    return m_contrast->isChecked();
}

bool ViewOptions::largeText() const
{
    return m_large->isChecked();
}

void ViewOptions::setHighContrast(bool on)
{
    const QSignalBlocker quiet(m_contrast);
    m_contrast->setChecked(on);
    QSettings().setValue(contrastKey, on);
    m_face.setPlain(on);
    colourFace(on);
    // The notebook, the menus and every dialog follow: light words on black, 7:1 or more.
    QApplication::setPalette(on ? highContrastPalette() : m_normalPalette);
    m_notebook.setHighContrast(on);
}

// Red keys stay red and blue keys blue, each at its own high-contrast pair.
void ViewOptions::colourFace(bool high)
{
    for (KeyLabel* key : m_face.findChildren<KeyLabel*>()) {
        const bool command = key->ownBackground().red() > key->ownBackground().blue();
        if (!high)
            key->setColours(key->ownBackground(), key->ownText());
        else if (command)
            key->setColours(commandGround, commandInk, keyFrame);
        else
            key->setColours(digitGround, digitInk, keyFrame);
    }
    for (DisplayLabel* display : m_face.findChildren<DisplayLabel*>())
        display->setColours(high ? displayGround : display->ownBackground(),
            high ? displayInk : display->ownTextColour());
    if (auto* status = m_face.findChild<StatusLabel*>()) {
        QPalette palette = m_statusPalette;
        if (high) {
            palette.setColor(QPalette::Window, statusGround);
            palette.setColor(QPalette::WindowText, statusInk);
        }
        status->setPalette(palette);
    }
}

void ViewOptions::setLargeText(bool on)
{
    const QSignalBlocker quiet(m_large);
    m_large->setChecked(on);
    QSettings().setValue(largeKey, on);
    const double scale = on ? largeTextScale : 1.0;
    m_face.layout().setTextScale(scale);
    m_face.relayout();
    m_strip.setTextScale(scale);
    // The notebook takes its font from the window's middle; the face's controls have sizes of
    // their own.
    QWidget* middle = m_window.centralWidget();
    QFont font;
    if (on) {
        font = QApplication::font(middle);
        if (font.pixelSize() > 0)
            font.setPixelSize(static_cast<int>(std::lround(font.pixelSize() * scale)));
        else
            font.setPointSizeF(font.pointSizeF() * scale);
    }
    middle->setFont(font);
    m_notebook.setWidth(on ? largeNotebookWidth : NotebookPanel::naturalWidth);
    emit largeTextChanged();
}

} // namespace quorvel
