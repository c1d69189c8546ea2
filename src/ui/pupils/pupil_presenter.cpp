// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/pupils/pupil_presenter.h"

#include "core/collection/pupil_names.h"
#include "platform/pin_hash.h"

#include "core/app/machine.h"
#include "core/app/translation.h"
#include "core/ports/ports.h"
#include "language/class_link.h"
#include "platform/pin_hash.h"
#include "platform/sqlite/sqlite_store.h"

#include <QCoreApplication>

#include <QSettings>
#include <QSocketNotifier>
#include <QStandardPaths>

namespace quorvel {
namespace {

// The levels of the last class rules read, kept for a start when they cannot be read.
constexpr const char* levelsKey = "classe/livelli";

std::optional<std::array<bool, Level::count>> rememberedLevels()
{
    const QString kept = QSettings().value(levelsKey).toString();
    if (kept.isEmpty())
        return std::nullopt;
    std::array<bool, Level::count> levels {};
    for (int n = 1; n <= Level::count; ++n)
        levels[static_cast<std::size_t>(n - 1)] = kept.contains(QString::number(n));
    return levels;
}

// This computer's database, or the class's server when a class is configured: its module
// is loaded only then.
PupilSession::StoreOpener storeOpener(std::optional<std::string> classUri)
{
    return [classUri]() -> std::unique_ptr<CollectionStore> {
        const std::filesystem::path local(PupilPresenter::folder().toStdU16String());
        if (classUri)
            return openClassStore(*classUri, local, QCoreApplication::applicationDirPath());
        return std::make_unique<SqliteStore>(local);
    };
}

} // namespace

PupilPresenter::PupilPresenter(
    Machine& machine, const Clock& clock, MessageBox& messages, Question ask, QObject* parent)
    : QObject(parent)
    , m_machine(machine)
    , m_messages(messages)
    , m_ask(std::move(ask))
    , m_session(machine, clock, sodiumPinHasher(), storeOpener(configuredClassUri()))
    , m_inClass(configuredClassUri().has_value())
{
    m_session.setRememberedLevels(rememberedLevels());
    m_retry.setInterval(retryMs);
    connect(&m_retry, &QTimer::timeout, this, &PupilPresenter::keepNotebook);
    m_class.setInterval(classMs);
    connect(&m_class, &QTimer::timeout, this, &PupilPresenter::followClass);
}

PupilPresenter::~PupilPresenter() = default;

QString PupilPresenter::shownGuestName()
{
    return QString::fromStdString(quorvel::shownGuestName());
}

QString PupilPresenter::folder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString PupilPresenter::player() const
{
    return isGuest() ? shownGuestName() : QString::fromStdString(m_session.player());
}

void PupilPresenter::show(const std::string& text)
{
    m_messages.show(text);
}

bool PupilPresenter::open()
{
    const bool wasOpen = m_session.openedStore() != nullptr;
    if (!m_session.store()) {
        show(m_session.problem());
        emit rulesChanged(); // those of the last rules read, or level 1 alone
        return false;
    }
    if (const std::string notice = m_session.takeNotice(); !notice.empty())
        show(notice);
    if (!wasOpen) {
        rememberLevels();
        emit rulesChanged();
        if (m_inClass) {
            followClass();
            m_class.start();
        }
    }
    return true;
}

// What waits for the class's server is sent now and then; when the server stops answering,
// and when it answers again, the status line says so.
void PupilPresenter::followClass()
{
    m_session.sendWaiting();
    // The orders come with the server's news; should one be lost, it is looked for anyway
    // every half minute.
    watchClassNews();
    takeClassNews(++m_quietRounds % (30000 / classMs) == 0);
    const std::optional<ServerLink> link = m_session.serverLink();
    if (!link || link->reachable == m_linked)
        return;
    if (!link->reachable)
        emit classStatus(QString::fromStdString(
            translate("Class", "classe non raggiungibile: le prove restano su questo computer")));
    else if (m_linked.has_value())
        emit classStatus(QString::fromStdString(translate("Class", "classe di nuovo collegata")));
    m_linked = link->reachable;
}

// The server's socket is watched while the class is linked: a new connection has a new one.
void PupilPresenter::watchClassNews()
{
    CollectionStore* store = m_session.openedStore();
    const int socket = store ? store->newsSocket() : -1;
    if (socket == m_newsSocket)
        return;
    m_news.reset();
    m_newsSocket = socket;
    if (socket < 0)
        return;
    m_news = std::make_unique<QSocketNotifier>(socket, QSocketNotifier::Read);
    connect(m_news.get(), &QSocketNotifier::activated, this, [this] { takeClassNews(); });
}

void PupilPresenter::takeClassNews(bool lookForOrders)
{
    CollectionStore* store = m_inClass ? m_session.openedStore() : nullptr;
    if (!store)
        return;
    const ClassFollower::Update update
        = m_follower.takeNews(*store, m_machine, m_teacherLeads, lookForOrders);
    if (update.news.trials || update.news.orders)
        emit classNews();
    if (update.news.orders)
        m_quietRounds = 0;
    for (const ClassFollower::Change change : update.changes) {
        if (change == ClassFollower::Change::Mechanism)
            keepNotebook();
        emit classOrderFollowed(change);
    }
}

std::optional<QString> PupilPresenter::joinClass(const QString& uri)
{
    const std::string line = uri.trimmed().toStdString();
    try {
        // The server answers the line, or says why not.
        const std::optional<ServerLink> link = storeOpener(line)()->serverLink();
        if (!link || !link->reachable)
            return QString::fromStdString(
                translate("Class", "la classe non risponde: il server non è raggiungibile"));
    } catch (const StoreFault& fault) {
        return QString::fromStdString(fault.what());
    }
    rememberClassUri(line);
    m_retry.stop();
    m_session.useStore(storeOpener(line));
    m_inClass = true;
    m_linked.reset();
    emit playerChanged(player());
    open();
    return std::nullopt;
}

void PupilPresenter::rememberLevels()
{
    if (!m_session.rulesRead())
        return;
    QString levels;
    for (int n = 1; n <= Level::count; ++n)
        if (m_session.rules().levels[static_cast<std::size_t>(n - 1)])
            levels += QString::number(n);
    QSettings().setValue(levelsKey, levels);
}

QStringList PupilPresenter::pupils()
{
    QStringList names;
    for (const std::string& name : m_session.pupils())
        names << QString::fromStdString(name);
    report();
    return names;
}

std::optional<QString> PupilPresenter::addPupil(const QString& name, QString& why)
{
    const PupilSession::Added added = m_session.addPupil(name.toStdString());
    if (added.problem) {
        why = QString::fromStdString(*added.problem);
        return std::nullopt;
    }
    return QString::fromStdString(added.name);
}

// The notebook of the player who leaves is kept; the new player's comes back as it was left.
void PupilPresenter::choose(const QString& name)
{
    const bool toPupil = !isGuestName(name.toStdString());
    bool keep = false;
    if (isGuest() && toPupil && m_session.guestTrials() > 0 && m_ask)
        keep = m_ask(tr("Vuoi tenere nel tuo quaderno le prove fatte come Ospite?"));
    const std::size_t guestTrials = isGuest() && toPupil ? m_session.guestTrials() : 0;
    if (const auto problem = m_session.choose(name.toStdString(), keep)) {
        show(*problem);
        return;
    }
    m_retry.stop();
    if (const std::string givenUp = m_session.takeGivenUp(); !givenUp.empty())
        show(givenUp);
    emit playerChanged(player());
    if (guestTrials > 0 && !keep)
        emit notice(tr("Le prove fatte come Ospite non sono state tenute."));
}

std::vector<Card> PupilPresenter::cards()
{
    std::vector<Card> cards = m_session.cards();
    report();
    return cards;
}

void PupilPresenter::setRules(const ClassRules& rules)
{
    try {
        m_session.classroom().setRules(rules);
        rememberLevels();
    } catch (const StoreFault& problem) {
        show(problem.what());
    }
    emit rulesChanged();
}

std::optional<QString> PupilPresenter::revealRefusal() const
{
    if (auto refusal = m_session.classroom().revealRefusal(m_machine.notebook().currentPage()))
        return QString::fromStdString(*refusal);
    return std::nullopt;
}

void PupilPresenter::afterExperiment()
{
    if (const std::optional<Card> card = m_session.afterExperiment())
        emit cardOpened(QString::fromStdString(card->description), true);
    report();
    keepNotebook();
    if (m_inClass)
        followClass();
}

void PupilPresenter::afterReveal()
{
    if (const std::optional<Card> card = m_session.afterReveal())
        emit cardOpened(QString::fromStdString(card->description), false);
    report();
    keepNotebook();
}

// A save that fails keeps the pupil and the trials: said once, tried again every few seconds,
// and said again when it works.
void PupilPresenter::keepNotebook()
{
    if (isGuest())
        return; // the guest's notebook is the machine's own, forgotten at the end
    const bool wasWaiting = m_session.waiting();
    switch (m_session.keepNotebook()) {
    case PupilSession::Keeping::Kept:
        break;
    case PupilSession::Keeping::Waiting:
        if (!wasWaiting)
            emit notice(tr("Non riesco a salvare: riprovo..."));
        if (!m_retry.isActive())
            m_retry.start();
        break;
    case PupilSession::Keeping::Recovered:
        m_retry.stop();
        emit notice(tr("Ora il quaderno è salvato."));
        break;
    }
}

void PupilPresenter::finish()
{
    m_retry.stop();
    if (isGuest())
        return;
    m_session.keepNotebook();
    if (m_session.waiting())
        show(m_session.unsavedMessage());
}

// What the store could not do is said, once for each time it fails.
void PupilPresenter::report()
{
    if (const auto fault = m_session.takeFault())
        show(*fault);
}

} // namespace quorvel
