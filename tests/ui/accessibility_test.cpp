// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window as a screen reader finds it: every control it can reach has a name and a role,
// the keys are buttons it can press, the lights and the clip are left out, and the output, the
// status line and the wizard's sentences are announced when they change.
#include "ui/app/caption_strip.h"
#include "ui/app/face_access.h"
#include "ui/notebook/notebook_dock.h"
#include "ui/notebook/notebook_panel.h"
#include "window_test.h"

#include <QAccessible>
#include <QTest>
#include <algorithm>
#include <map>
#include <set>

namespace quorvel {
namespace {

using testing::Window;

bool isControl(const QAccessibleInterface& iface)
{
    static const std::set<QAccessible::Role> controls = { QAccessible::Button,
        QAccessible::CheckBox, QAccessible::RadioButton, QAccessible::ComboBox,
        QAccessible::EditableText, QAccessible::Table, QAccessible::List, QAccessible::SpinBox,
        QAccessible::Slider, QAccessible::MenuItem, QAccessible::PageTab };
    const QAccessible::State state = iface.state();
    return controls.contains(iface.role()) || state.focusable || state.editable;
}

struct Found
{
    QAccessible::Role role;
    QObject* object;
};

class ScreenReader : public Window
{
protected:
    void SetUp() override
    {
        showWithFace();
        trigger("livello1");
        form.notebook()->setShown(true);
        QCoreApplication::processEvents();
    }

    // Walks the whole tree from the window; reports every control without a name or a role
    // and gathers the names of everything else. Tables and lists are checked for their
    // headers, not walked row by row.
    void walk(QAccessibleInterface* iface, const QString& path)
    {
        ASSERT_NE(iface, nullptr) << path.toStdString();
        const QString name = iface->text(QAccessible::Name);
        const QString where = path + "/" + iface->object()->objectName() + "("
            + iface->object()->metaObject()->className() + ")";
        if (isControl(*iface)) {
            EXPECT_FALSE(name.trimmed().isEmpty()) << "no name: " << where.toStdString();
            EXPECT_NE(iface->role(), QAccessible::NoRole) << where.toStdString();
            EXPECT_NE(iface->role(), QAccessible::Client) << where.toStdString();
        }
        if (!name.isEmpty())
            found.insert({ name, { iface->role(), iface->object() } });
        objects.insert(iface->object());
        if (QAccessibleTableInterface* table = iface->tableInterface();
            table && iface->role() == QAccessible::Table) {
            QStringList headers;
            for (int i = 0; i < iface->childCount(); ++i)
                if (QAccessibleInterface* cell = iface->child(i);
                    cell && cell->role() == QAccessible::ColumnHeader)
                    headers.append(cell->text(QAccessible::Name));
            EXPECT_GT(table->columnCount(), 0) << where.toStdString();
            EXPECT_EQ(headers.size(), table->columnCount()) << where.toStdString();
            EXPECT_FALSE(headers.contains(QString())) << where.toStdString();
            return;
        }
        // A list's rows and a combo box's list are data the reader reads through them.
        if (iface->tableInterface() || iface->role() == QAccessible::ComboBox)
            return;
        for (int i = 0; i < iface->childCount(); ++i)
            walk(iface->child(i), where);
    }

    QAccessibleInterface* named(const QString& name)
    {
        const auto it = found.find(name);
        return it == found.end() ? nullptr
                                 : QAccessible::queryAccessibleInterface(it->second.object);
    }

    std::multimap<QString, Found> found; // a field and its caption share a name
    std::set<QObject*> objects;
};

TEST_F(ScreenReader, FindsEveryControlWithANameAndARole)
{
    walk(QAccessible::queryAccessibleInterface(&form), "");
    const std::pair<QString, QAccessible::Role> expected[] = {
        { "0, primo numero", QAccessible::Button },
        { "7, primo numero", QAccessible::Button },
        { "9, secondo numero", QAccessible::Button },
        { "Canc, primo numero", QAccessible::Button },
        { "Canc, secondo numero", QAccessible::Button },
        { "esperimento", QAccessible::Button },
        { "Operazioni", QAccessible::Button },
        { "cambia meccanismo di calcolo", QAccessible::Button },
        { "primo numero", QAccessible::StaticText }, // a level leaves the inputs empty
        { "secondo numero", QAccessible::StaticText },
        { "uscita, out", QAccessible::StaticText },
        { "Le prove della pagina", QAccessible::Table },
        { "Prevedo che uscirà:", QAccessible::EditableText },
        { "Ipotesi:", QAccessible::EditableText },
        { "Verifica", QAccessible::Button },
        { "Rivela la regola", QAccessible::Button },
    };
    for (const auto& [name, role] : expected) {
        SCOPED_TRACE(name.toStdString());
        const auto [first, last] = found.equal_range(name);
        EXPECT_TRUE(std::any_of(first, last, [&](const auto& f) { return f.second.role == role; }));
    }
    // The status line reads as what it says.
    ASSERT_FALSE(text("rigaStato").isEmpty());
    EXPECT_EQ(
        named(text("rigaStato")), QAccessible::queryAccessibleInterface(control("rigaStato")));
    for (const char* decorative : { "Picture1", "Picture5", "shock", "primoOperando" })
        EXPECT_FALSE(objects.contains(control<QObject>(decorative))) << decorative;
}

TEST_F(ScreenReader, ReadsTheInformationPanelsPicture)
{
    form.findChild<QAction*>("informazioni")->trigger();
    QCoreApplication::processEvents();
    walk(QAccessible::queryAccessibleInterface(&form), "");
    const QAccessibleInterface* picture
        = named("Una scatola chiusa: entrano due numeri, esce un numero");
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->object(), control<QObject>("Picture6"));
}

TEST_F(ScreenReader, PressesTheKeysByTheirNames)
{
    walk(QAccessible::queryAccessibleInterface(&form), "");
    const std::pair<QString, QString> presses[] = {
        { "7, primo numero", "7/" },
        { "2, primo numero", "72/" },
        { "3, secondo numero", "72/3" },
        { "Canc, primo numero", "/3" },
        { "Canc, secondo numero", "/" },
    };
    for (const auto& [name, shown] : presses) {
        SCOPED_TRACE(name.toStdString());
        QAccessibleInterface* key = named(name);
        ASSERT_NE(key, nullptr);
        ASSERT_NE(key->actionInterface(), nullptr);
        ASSERT_TRUE(key->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::pressAction()));
        key->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        EXPECT_EQ(inputs(), shown);
    }
}

// The events a screen reader hears, by the object they concern.
class Announcements : public Window
{
protected:
    void SetUp() override
    {
        showWithFace();
        heard.clear();
        listenToAnnouncements(&Announcements::record);
    }
    void TearDown() override { listenToAnnouncements(nullptr); }
    static void record(QAccessibleEvent* event)
    {
        QString value;
        if (event->type() == QAccessible::ValueChanged)
            value = static_cast<QAccessibleValueChangeEvent*>(event)->value().toString();
        heard.push_back({ event->object()->objectName(), event->type(), value });
    }
    long count(const QString& object, QAccessible::Event type, const QString& value = {})
    {
        return std::ranges::count_if(heard, [&](const Heard& h) {
            return h.object == object && h.type == type && (value.isNull() || h.value == value);
        });
    }

    struct Heard
    {
        QString object;
        QAccessible::Event type;
        QString value;
    };
    static inline std::vector<Heard> heard;
};

TEST_F(Announcements, TheOutputAndTheStatusLineTellTheirChanges)
{
    trigger("livello1");
    EXPECT_GE(count("rigaStato", QAccessible::NameChanged), 1);
    press(Qt::Key_4);
    press(Qt::Key_Tab);
    press(Qt::Key_3);
    heard.clear();
    press(Qt::Key_Return);
    const QString result = text("uscita");
    ASSERT_FALSE(result.isEmpty());
    EXPECT_GE(count("uscita", QAccessible::ValueChanged, result), 1);
    EXPECT_GE(count("uscita", QAccessible::NameChanged), 1);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(control("uscita"))->text(QAccessible::Name),
        "uscita, " + result);
}

TEST_F(Announcements, TheReaderKnowsWhichInputTheKeyboardTypesInto)
{
    // The key, then whether each input reads as selected.
    const std::tuple<int, bool, bool> steps[] = {
        { Qt::Key_Tab, false, true },
        { Qt::Key_Backtab, true, false },
    };
    for (const auto& [key, first, second] : steps) {
        heard.clear();
        press(key);
        EXPECT_EQ(count("primoNumero", QAccessible::StateChanged), 1);
        EXPECT_EQ(count("secondoNumero", QAccessible::StateChanged), 1);
        EXPECT_EQ(
            QAccessible::queryAccessibleInterface(control("primoNumero"))->state().selected, first);
        EXPECT_EQ(QAccessible::queryAccessibleInterface(control("secondoNumero"))->state().selected,
            second);
    }
}

// A reader reads the focused control: the focus follows the pupil's typing and the result.
TEST_F(Announcements, TheFocusFollowsTheTypingAndTheResult)
{
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    trigger("livello1");
    // The key, then the control with the focus and the inputs.
    const std::tuple<int, const char*, const char*> steps[] = {
        { Qt::Key_4, "primoNumero", "4/" },
        { Qt::Key_Tab, "secondoNumero", "4/" },
        { Qt::Key_3, "secondoNumero", "4/3" },
        { Qt::Key_Return, "uscita", "4/3" },
        { Qt::Key_5, "secondoNumero", "4/35" }, // typing goes on from the output
        { Qt::Key_Tab, "primoNumero", "4/35" },
    };
    for (const auto& [key, focused, shown] : steps) {
        SCOPED_TRACE(focused);
        press(key);
        EXPECT_EQ(QApplication::focusWidget(), control(focused));
        EXPECT_EQ(inputs(), shown);
    }
    // A field of the notebook keeps the focus through an experiment.
    form.notebook()->setShown(true);
    QLineEdit& prediction = form.notebook()->panel()->predictionField();
    prediction.setFocus();
    press(Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), &prediction);
}

TEST_F(Announcements, EveryCaptionOfTheWizardIsSpoken)
{
    const QString sentences[] = { "Ciao! Sono il mago.", "Prova con due numeri." };
    for (const QString& sentence : sentences) {
        heard.clear();
        form.captions()->setText(sentence);
        EXPECT_EQ(count("sottotitoli", QAccessible::Alert), 1) << sentence.toStdString();
        EXPECT_EQ(count("sottotitoli", QAccessible::NameChanged), 1) << sentence.toStdString();
        QAccessibleInterface* strip = QAccessible::queryAccessibleInterface(form.captions());
        EXPECT_EQ(strip->text(QAccessible::Name), sentence);
        EXPECT_EQ(strip->role(), QAccessible::StaticText);
    }
}

} // namespace
} // namespace quorvel
