// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window in English: its menus, the keys on the machine's face, what a screen reader says
// of them, and the information and open panels. No text of these keeps its Italian, every menu
// keeps a letter of its own for the keyboard, and the long key still fits. Without --lingua, on
// a system that asks for no language, the window stays Italian.
#include "core/app/version.h"
#include "language/language.h"
#include "ui/app/key_label.h"
#include "window_test.h"

#include <QAccessible>

#include <cstdlib>
#include <map>

namespace quorvel {
namespace {

using testing::Fakes;
using testing::Window;

QString testsFolder()
{
    return QCoreApplication::applicationDirPath();
}

// A base listed before Window is made before it: the window is then built in English.
struct EnglishFirst
{
    bool installed = installLanguage(Language::english, testsFolder());
};

class EnglishWindow : public EnglishFirst, public Window
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(installed) << "translations/quorvel_en.qm beside the tests";
    }
    void TearDown() override { installLanguage(Language::italian, testsFolder()); }
};

bool isNotebooks(const QMenu* menu)
{
    return menu && (menu->objectName() == "menuQuaderno" || menu->objectName() == "menuInsegnante");
}

// Every text of the window's own menus, face and panels, by where it is shown. The notebook's
// and the teacher's menus, and the status line the core fills, are not the window's.
std::map<QString, QString> ownTexts(const MachineForm& form)
{
    std::map<QString, QString> texts;
    const auto keep = [&](const QString& where, const QString& text) {
        if (!text.isEmpty())
            texts[where] = text;
    };
    int position = 0;
    for (const QAction* title : form.menuBar()->actions()) {
        ++position;
        if (isNotebooks(title->menu()))
            continue;
        keep(QString("menu %1").arg(position), title->text());
        QList<QAction*> items = title->menu() ? title->menu()->actions() : QList<QAction*> {};
        for (qsizetype i = 0; i < items.size(); ++i) {
            keep("item " + items[i]->objectName(), items[i]->text());
            if (items[i]->menu())
                items += items[i]->menu()->actions();
        }
    }
    keep("face name", form.face()->accessibleName());
    for (const QWidget* w : form.face()->findChildren<QWidget*>()) {
        const QString name = w->objectName();
        if (name.isEmpty() || name == "rigaStato" || name == "primoOperando"
            || name == "secondoOperando")
            continue;
        keep(name + " name", w->accessibleName());
        keep(name + " description", w->accessibleDescription());
        if (const auto* label = qobject_cast<const QLabel*>(w))
            keep(name + " text", label->text());
        if (const auto* button = qobject_cast<const QAbstractButton*>(w))
            keep(name + " text", button->text());
    }
    return texts;
}

// The texts made of a value and words: the level's item, the keys' and the displays' names.
TEST_F(EnglishWindow, TextsWithAValueAreWholeEnglishSentences)
{
    struct Shown
    {
        const char* object;
        const char* text; // an item's or a key's text; nothing for a control without one
        const char* readerName;
    };
    const Shown table[] = {
        { "livello3", "level &3", nullptr },
        { "cancellaPrimo", "Clear", "Clear, first number" },
        { "cancellaSecondo", "Clear", "Clear, second number" },
        { "sette", "7", "7, first number" },
        { "zero2", "0", "0, second number" },
        { "secondoNumero", nullptr, "second number, in" },
        { "uscita", nullptr, "output, out" },
    };
    for (const Shown& row : table) {
        SCOPED_TRACE(row.object);
        // A menu item before a control: the caption strip shares its name with its item.
        QObject* found = form.findChild<QAction*>(row.object);
        if (!found)
            found = form.findChild<QWidget*>(row.object);
        ASSERT_NE(found, nullptr);
        if (row.text) {
            const QVariant text = found->property("text");
            EXPECT_EQ(text.toString(), QString::fromUtf8(row.text));
        }
        if (row.readerName) {
            QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(found);
            ASSERT_NE(reader, nullptr);
            EXPECT_EQ(reader->text(QAccessible::Name), QString::fromUtf8(row.readerName));
        }
    }
    EXPECT_EQ(control<QLabel>("versione")->text(), " Version " + QString(programVersion));
}

TEST_F(EnglishWindow, NoTextOfTheWindowStaysItalian)
{
    const std::map<QString, QString> english = ownTexts(form);
    installLanguage(Language::italian, testsFolder());
    Fakes other;
    const MachineForm italianForm(testing::programFolder, other.speaker, other.characters);
    const std::map<QString, QString> italian = ownTexts(italianForm);

    // What reads the same in both languages: digits, symbols, names and the displays' marks.
    const QStringList alike = { "X", "in", "out", "Quorvel", "Drive", "&File", "&Italiano",
        "&English", "0", "1", "2", "3", "4", "5", "6", "7", "8", "9" };
    ASSERT_EQ(english.size(), italian.size());
    EXPECT_GT(english.size(), 60u) << "the menus, the face and both panels";
    for (const auto& [where, text] : italian) {
        SCOPED_TRACE(where.toStdString());
        ASSERT_TRUE(english.contains(where));
        if (alike.contains(text))
            EXPECT_EQ(english.at(where), text);
        else
            EXPECT_NE(english.at(where), text);
    }
}

// Each menu of the bar, and each item in a menu, keeps a letter the keyboard picks it by, with
// no two alike; no menu of the bar takes a digit, which types into the machine.
TEST_F(EnglishWindow, EveryMenuKeepsALetterOfItsOwn)
{
    QStringList titles;
    for (const QAction* title : form.menuBar()->actions()) {
        const QString letter = QKeySequence::mnemonic(title->text()).toString();
        SCOPED_TRACE(title->text().toStdString());
        EXPECT_FALSE(letter.isEmpty());
        EXPECT_FALSE(titles.contains(letter)) << "taken twice: " << letter.toStdString();
        EXPECT_FALSE(letter.back().isDigit());
        titles << letter;
        if (!title->menu() || isNotebooks(title->menu()))
            continue;
        QStringList items;
        for (const QAction* item : title->menu()->actions()) {
            if (item->isSeparator())
                continue;
            const QString own = QKeySequence::mnemonic(item->text()).toString();
            EXPECT_FALSE(own.isEmpty()) << item->text().toStdString();
            EXPECT_FALSE(items.contains(own)) << item->text().toStdString();
            items << own;
        }
    }
}

TEST_F(EnglishWindow, TheLongKeyAndThePanelsLinesFit)
{
    showWithFace();
    form.showInfoPanel();
    const double scale = control<KeyLabel>("cmb")->height() / 25.0;
    EXPECT_GE(control<KeyLabel>("cmb")->fittedCaption().pixelSize, 12 * scale - 1);
    for (const char* key : { "exp", "ingr", "cancellaPrimo" })
        EXPECT_EQ(control<KeyLabel>(key)->fittedCaption().pixelSize,
            control<KeyLabel>(key)->font().pixelSize())
            << key << " keeps its own size, as in Italian";
    for (const char* line : { "scopo1", "scopo2", "crediti2", "crediti3" }) {
        auto* label = control<QLabel>(line);
        EXPECT_LE(QFontMetricsF(label->font()).horizontalAdvance(label->text()),
            label->contentsRect().width())
            << line;
        EXPECT_GE(label->font().pixelSize(), 10) << line << " stays readable";
    }
}

// No --lingua, nothing chosen in the menu, a locale that asks for no language: Italian.
TEST(DefaultLanguage, IsItalian)
{
    const QByteArray before = qgetenv("LC_ALL");
    qputenv("LC_ALL", "C");
    QSettings().remove("lingua");
    const Language chosen = chosenLanguage();
    EXPECT_EQ(chosen, Language::italian);
    installLanguage(chosen, testsFolder());
    Fakes fakes;
    const MachineForm form(testing::programFolder, fakes.speaker, fakes.characters);
    EXPECT_EQ(form.findChild<KeyLabel*>("exp")->text(), "esperimento");
    EXPECT_EQ(form.findChild<KeyLabel*>("cancellaPrimo")->accessibleName(), "Canc, primo numero");
    EXPECT_EQ(form.findChild<QAction*>("esci")->text(), "&esci");
    installLanguage(Language::italian, testsFolder());
    if (before.isNull())
        qunsetenv("LC_ALL");
    else
        qputenv("LC_ALL", before);
}

} // namespace
} // namespace quorvel
