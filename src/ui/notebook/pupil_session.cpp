// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/notebook/pupil_session.h"

#include "core/app/machine.h"
#include "core/ports/ports.h"

#include <QDate>
#include <QStandardPaths>
#include <algorithm>

namespace quorvel {
namespace {

constexpr int longestName = 40;

std::string today()
{
    return QDate::currentDate().toString(Qt::ISODate).toStdString();
}

} // namespace

namespace {

bool hasControlCharacter(const QString& name)
{
    return std::any_of(
        name.begin(), name.end(), [](QChar c) { return c.category() == QChar::Other_Control; });
}

} // namespace

bool goodPupilName(const QString& name)
{
    return !name.isEmpty() && name.size() <= longestName && !hasControlCharacter(name);
}

PupilSession::PupilSession(Machine& machine, MessageBox& messages, QObject* parent)
    : QObject(parent)
    , m_machine(machine)
    , m_messages(messages)
    , m_collection(std::make_unique<Collection>(m_guest, guestName))
    , m_classroom(std::make_unique<Classroom>(m_guest))
{
}

PupilSession::~PupilSession() = default;

QString PupilSession::shownGuestName()
{
    return tr("Ospite");
}

QString PupilSession::player() const
{
    return m_guestPlays ? shownGuestName() : QString::fromStdString(m_collection->profile());
}

QString PupilSession::folder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

SqliteStore* PupilSession::database()
{
    if (m_database)
        return m_database.get();
    try {
        m_database
            = std::make_unique<SqliteStore>(std::filesystem::path(folder().toStdU16String()));
        m_classroom = std::make_unique<Classroom>(*m_database);
    } catch (const StoreFault& problem) {
        fault(problem);
        return nullptr;
    }
    if (!m_database->notice().empty())
        m_messages.show(m_database->notice());
    emit rulesChanged();
    return m_database.get();
}

QStringList PupilSession::pupils()
{
    QStringList names;
    if (!m_database)
        return names;
    try {
        for (const std::string& name : m_database->profiles())
            names << QString::fromStdString(name);
    } catch (const StoreFault& problem) {
        fault(problem);
    }
    return names;
}

bool PupilSession::addPupil(const QString& typed, QString& why)
{
    const QString name = typed.simplified();
    if (hasControlCharacter(name)) {
        why = tr("Il nome non può contenere caratteri invisibili.");
        return false;
    }
    if (!goodPupilName(name)) {
        why = tr("Il nome deve avere da 1 a %1 lettere.").arg(longestName);
        return false;
    }
    // Neither the guest's own name nor the one shown for it in the language in use.
    if (sameProfileName(name.toStdString(), guestName)
        || sameProfileName(name.toStdString(), shownGuestName().toStdString())) {
        why = tr("«Ospite» è il nome di chi gioca senza tenere nulla: scegline un altro.");
        return false;
    }
    SqliteStore* store = database();
    if (!store) {
        why = tr("L'archivio dei giocatori non si può aprire.");
        return false;
    }
    try {
        if (store->addProfile(name.toStdString()))
            return true;
        why = tr("C'è già un giocatore con questo nome.");
    } catch (const StoreFault& problem) {
        why = QString::fromStdString(problem.what());
    }
    return false;
}

// The notebook of the player who leaves is kept; the new player's comes back as it was left,
// with a new page for the mechanism in force.
void PupilSession::choose(const QString& name)
{
    keepNotebook();
    const bool guest = sameProfileName(name.toStdString(), guestName) || !database();
    CollectionStore& store = guest ? static_cast<CollectionStore&>(m_guest) : *m_database;
    auto next = std::make_unique<Collection>(store, guest ? guestName : name.toStdString());
    try {
        m_machine.notebook().restore(next->savedNotebook());
    } catch (const StoreFault& problem) {
        fault(problem);
        return;
    }
    m_collection = std::move(next);
    m_guestPlays = guest;
    if (!m_machine.state().activeLevel.isNone())
        m_machine.beginNotebookPage();
    keepNotebook();
    emit playerChanged(player());
}

std::vector<Card> PupilSession::cards()
{
    try {
        return m_collection->openCards();
    } catch (const StoreFault& problem) {
        fault(problem);
        return {};
    }
}

void PupilSession::setRules(const ClassRules& rules)
{
    try {
        m_classroom->setRules(rules);
    } catch (const StoreFault& problem) {
        fault(problem);
    }
    emit rulesChanged();
}

std::optional<QString> PupilSession::revealRefusal() const
{
    if (auto refusal = m_classroom->revealRefusal(m_machine.notebook().currentPage()))
        return QString::fromStdString(*refusal);
    return std::nullopt;
}

void PupilSession::afterExperiment()
{
    try {
        opened(m_collection->afterExperiment(m_machine, today()));
    } catch (const StoreFault& problem) {
        fault(problem);
    }
    keepNotebook();
}

void PupilSession::afterReveal()
{
    try {
        opened(m_collection->afterReveal(m_machine, today()));
    } catch (const StoreFault& problem) {
        fault(problem);
    }
    keepNotebook();
}

void PupilSession::opened(const std::optional<Card>& card)
{
    if (card)
        emit cardOpened(
            QString::fromStdString(card->description), card->way == CardWay::Discovered);
}

void PupilSession::keepNotebook()
{
    if (m_guestPlays)
        return; // the guest's notebook is the machine's own, forgotten at the end
    try {
        m_collection->saveNotebook(m_machine.notebook());
    } catch (const StoreFault& problem) {
        fault(problem);
    }
}

// A pupil whose things cannot be kept goes on playing as the guest, with the notebook as it is:
// one message, not one after every experiment.
void PupilSession::fault(const StoreFault& problem)
{
    if (m_guestPlays) {
        m_messages.show(problem.what());
        return;
    }
    m_collection = std::make_unique<Collection>(m_guest, guestName);
    m_guestPlays = true;
    //: %1 says why the player's things cannot be kept
    m_messages.show(tr("%1 Si continua a giocare come Ospite.")
                        .arg(QString::fromStdString(problem.what()))
                        .toStdString());
    emit playerChanged(player());
}

} // namespace quorvel
