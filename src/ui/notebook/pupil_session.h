// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/collection/classroom.h"
#include "core/collection/collection.h"
#include "core/collection/memory_store.h"
#include "core/collection/sqlite_store.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

namespace quorvel {

class Machine;
class MessageBox;

// Who plays at the window, and what is kept of them: the pupils' database in the user's data
// folder, the chosen pupil's collection and notebook, and the class rules. The window starts
// with the guest ("Ospite"), whose collection and notebook live in memory and are forgotten;
// the database is opened once the window is on the screen. A store that fails is reported in
// words and the game goes on as the guest.
class PupilSession : public QObject
{
    Q_OBJECT
public:
    // The guest's name as it is kept, and as it is shown in the language in use.
    static constexpr const char* guestName = "Ospite";
    static QString shownGuestName();

    PupilSession(Machine& machine, MessageBox& messages, QObject* parent = nullptr);
    ~PupilSession() override;

    // Opens the database when it is not open yet; null, after saying why, when it cannot be.
    SqliteStore* database();
    // The folder the database lives in: Qt's application data folder.
    static QString folder();

    // The player's name as shown: the guest's in the language in use.
    QString player() const;
    bool isGuest() const { return m_guestPlays; }
    // The pupils of this computer, in the order they were added.
    QStringList pupils();
    // Adds a pupil; nothing when the name is taken or cannot be a name, with why in `why`.
    bool addPupil(const QString& name, QString& why);
    // Lets the named pupil (or the guest) play, with their notebook as they left it.
    void choose(const QString& name);

    // The player's open cards, in the board's order.
    std::vector<Card> cards();
    const ClassRules& rules() const { return m_classroom->rules(); }
    void setRules(const ClassRules& rules);
    Classroom& classroom() { return *m_classroom; }
    // Why "Rivela la regola" may not tell the rule now; nothing when it may.
    std::optional<QString> revealRefusal() const;

    void afterExperiment();
    void afterReveal();
    // Keeps the player's notebook as it is now.
    void keepNotebook();

signals:
    void playerChanged(const QString& name);
    void rulesChanged();
    // A card opened: the rule in words, and whether it was discovered or revealed.
    void cardOpened(const QString& description, bool discovered);

private:
    void opened(const std::optional<Card>& card);
    void fault(const StoreFault& fault);

    Machine& m_machine;
    MessageBox& m_messages;
    MemoryStore m_guest;
    std::unique_ptr<SqliteStore> m_database;
    std::unique_ptr<Collection> m_collection;
    std::unique_ptr<Classroom> m_classroom;
    bool m_guestPlays = true;
};

// A name a pupil can be called by: 1 to 40 letters, no control characters.
bool goodPupilName(const QString& name);

} // namespace quorvel
