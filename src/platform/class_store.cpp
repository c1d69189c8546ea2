// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/class_store.h"

#include "core/app/translation.h"
#include "core/values/number_text.h"
#include "platform/class_schema.h"

#include <chrono>
#include <utility>

namespace quorvel {
namespace {

const char* const unreachable
    = QV_TRANSLATE_NOOP("Class", "classe non raggiungibile: le prove restano su questo computer");

constexpr std::pair<RevealPolicy, const char*> policyNames[] = {
    { RevealPolicy::Always, "sempre" },
    { RevealPolicy::AfterTenTrials, "dopo-dieci-prove" },
    { RevealPolicy::AfterDiscovery, "dopo-la-scoperta" },
    { RevealPolicy::Never, "mai" },
};

std::string levelsText(const ClassRules& rules)
{
    std::string levels;
    for (int n = 1; n <= Level::count; ++n)
        if (rules.levels[static_cast<std::size_t>(n - 1)])
            levels += static_cast<char>('0' + n);
    return levels;
}

ClassRules rulesFrom(const std::string& levels, const std::string& reveal, bool wizard, bool names)
{
    ClassRules rules;
    for (int n = 1; n <= Level::count; ++n)
        rules.levels[static_cast<std::size_t>(n - 1)]
            = levels.find(static_cast<char>('0' + n)) != std::string::npos;
    for (const auto& [policy, name] : policyNames)
        if (reveal == name)
            rules.reveal = policy;
    rules.wizardSpeaksAtStart = wizard;
    rules.pupilsAddNames = names;
    return rules;
}

const char* revealName(RevealPolicy reveal)
{
    for (const auto& [policy, name] : policyNames)
        if (policy == reveal)
            return name;
    return "sempre";
}

const char* flag(bool on)
{
    return on ? "t" : "f";
}

long long microsecondsNow()
{
    return std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::system_clock::now().time_since_epoch())
        .count();
}

} // namespace

ClassStore::ClassStore(std::string uri, std::unique_ptr<Outbox> local, ClassStoreOptions options)
    : m_uri(std::move(uri))
    , m_destination(uriWithoutPassword(m_uri))
    , m_options(options)
    , m_local(std::move(local))
    , m_pupil(m_uri)
{
    try {
        m_pupil.connect(m_options.connectMilliseconds);
        readClass();
        m_reachable = true;
        sendOutbox();
    } catch (const PgFault& fault) {
        if (fault.kind() != PgFault::Kind::Unreachable)
            throw;
        m_reachable = false;
        m_failedAt = steadyMilliseconds();
    }
}

ClassStore::~ClassStore() = default;

// Who the class is: its name, how many pupils, the teacher's role; and whether this program
// knows its schema.
void ClassStore::readClass()
{
    const PgResult info
        = m_pupil.query("SELECT name, pupils, schema, teacher_role FROM quorvel.class_info()", {},
            m_options.queryMilliseconds);
    if (info.rows() == 0 || info.isNull(0, 0))
        throw PgFault(PgFault::Kind::Refused,
            translate("Class", "sul server non c'è la classe di questa riga di collegamento"));
    if (info.number(0, 2) > classSchemaVersion)
        throw PgFault(PgFault::Kind::NewerSchema,
            translate("Class",
                "la classe sul server è di una versione più nuova di Quorvel: aggiorna Quorvel "
                "su questo computer; il server è stato lasciato com'era"));
    m_className = info.text(0, 0);
    m_pupils = static_cast<int>(info.number(0, 1));
    m_teacherRole = info.text(0, 3);
    m_schema = static_cast<int>(info.number(0, 2));
    // A class not brought up to date yet plays on, without what moves it together.
    if (!live())
        return;
    // The class's news: trials for the teacher's board, orders for the pupils. An order given
    // while this computer was away is looked for at every new connection.
    const PgResult channel
        = m_pupil.query("SELECT quorvel.live_channel()", {}, m_options.queryMilliseconds);
    m_pupil.execute("LISTEN \"" + channel.text(0, 0) + "\"", m_options.queryMilliseconds);
    m_news.orders = true;
}

[[noreturn]] void ClassStore::lost(const PgFault& fault)
{
    if (fault.kind() != PgFault::Kind::Unreachable)
        throw fault;
    m_reachable = false;
    m_failedAt = steadyMilliseconds();
    m_pupil.close();
    throw PgFault(PgFault::Kind::Unreachable, translate("Class", unreachable));
}

PgConnection& ClassStore::server()
{
    if (m_pupil.connected())
        return m_pupil;
    if (!m_reachable && m_failedAt >= 0
        && steadyMilliseconds() - m_failedAt < m_options.retryMilliseconds)
        throw PgFault(PgFault::Kind::Unreachable, translate("Class", unreachable));
    try {
        m_pupil.connect(m_options.connectMilliseconds);
        readClass();
        m_reachable = true;
    } catch (const PgFault& fault) {
        lost(fault);
    }
    // What waited goes first, so that what is read next holds it.
    if (!sendOutbox())
        throw PgFault(PgFault::Kind::Unreachable, translate("Class", unreachable));
    return m_pupil;
}

PgResult ClassStore::call(const std::string& sql, const std::vector<PgValue>& arguments)
{
    PgConnection& connection = server();
    try {
        return connection.query(sql, arguments, m_options.queryMilliseconds);
    } catch (const PgFault& fault) {
        lost(fault);
    }
}

PgConnection& ClassStore::teacher()
{
    if (!m_teacher)
        throw StoreFault(translate("Class", "serve la password dell'insegnante"));
    return *m_teacher;
}

std::vector<std::string> ClassStore::profiles()
{
    const PgResult names = call("SELECT * FROM quorvel.names()", {});
    std::vector<std::string> profiles;
    for (int row = 0; row < names.rows(); ++row)
        profiles.push_back(names.text(row, 0));
    m_pupils = static_cast<int>(profiles.size());
    return profiles;
}

bool ClassStore::addProfile(const std::string& name)
{
    const std::string sql = "SELECT quorvel.add_name($1)";
    try {
        const bool added = m_teacher
            ? m_teacher->query(sql, { name }, m_options.queryMilliseconds).flag(0, 0)
            : call(sql, { name }).flag(0, 0);
        m_pupils += added ? 1 : 0;
        return added;
    } catch (const PgFault& fault) {
        if (fault.sqlState() == "42501")
            throw StoreFault(translate("Pupils",
                "I nomi nuovi li aggiunge l'insegnante: chiedi a lei o a lui di aggiungere il "
                "tuo."));
        throw;
    }
}

bool ClassStore::renameProfile(const std::string& from, const std::string& to)
{
    const bool renamed = teacher()
                             .query("SELECT quorvel.rename_pupil($1, $2)", { from, to },
                                 m_options.queryMilliseconds)
                             .flag(0, 0);
    if (renamed) {
        m_openCards.erase(from);
        if (const auto number = m_pupilNumbers.extract(from))
            m_pupilNumbers[to] = number.mapped();
    }
    return renamed;
}

void ClassStore::deleteProfile(const std::string& name)
{
    teacher().query("SELECT quorvel.delete_pupil($1)", { name }, m_options.queryMilliseconds);
    m_openCards.erase(name);
    m_pupilNumbers.erase(name);
}

std::vector<Card> ClassStore::cards(const std::string& profile)
{
    const PgResult read = call("SELECT * FROM quorvel.cards($1)", { profile });
    std::vector<Card> cards;
    std::vector<int>& open = m_openCards[profile];
    for (int row = 0; row < read.rows(); ++row) {
        cards.push_back({ static_cast<int>(read.number(row, 0)),
            Level::number(static_cast<int>(read.number(row, 1))), read.text(row, 2),
            read.text(row, 3) == "rivelata" ? CardWay::Revealed : CardWay::Discovered,
            read.text(row, 4), static_cast<int>(read.number(row, 5)) });
        open.push_back(cards.back().mechanism);
    }
    return cards;
}

// A card opened here is sent with the time it opened: the server keeps the earliest of the
// class's computers, even when this one's waited in the outbox.
bool ClassStore::openCard(const std::string& profile, const Card& card)
{
    std::vector<int>& open = m_openCards[profile];
    if (std::find(open.begin(), open.end(), card.mechanism) != open.end())
        return false;
    open.push_back(card.mechanism);
    const std::optional<std::string> number = pupilNumber(profile);
    deliver(number ? "card-of" : "card",
        { number.value_or(profile), wholeText(card.mechanism), wholeText(card.level.number()),
            card.description,
            std::string(card.way == CardWay::Discovered ? "scoperta" : "rivelata"), card.date,
            wholeText(card.trials), wholeText(microsecondsNow()) },
        0);
    return true;
}

ClassRules ClassStore::classRules()
{
    try {
        const PgResult read = call("SELECT * FROM quorvel.rules()", {});
        const ClassRules rules
            = rulesFrom(read.text(0, 0), read.text(0, 1), read.flag(0, 2), read.flag(0, 3));
        keepRules(rules);
        return rules;
    } catch (const PgFault& fault) {
        if (fault.kind() != PgFault::Kind::Unreachable)
            throw;
    }
    // The rules last read here, or level 1 alone: the class rules fail closed.
    const std::optional<std::string> kept = m_local->localSetting("classe-regole " + m_destination);
    if (kept && kept->size() >= 4) {
        const std::size_t bar = kept->find('|');
        const std::string rest = kept->substr(bar + 1);
        const std::size_t bar2 = rest.find('|');
        return rulesFrom(kept->substr(0, bar), rest.substr(0, bar2),
            rest.substr(bar2 + 1, 1) == "t", rest.substr(bar2 + 2, 1) == "t");
    }
    ClassRules closed;
    closed.levels = { true, false, false, false, false };
    return closed;
}

void ClassStore::keepRules(const ClassRules& rules)
{
    const std::string text = levelsText(rules) + "|" + revealName(rules.reveal) + "|"
        + flag(rules.wizardSpeaksAtStart) + flag(rules.pupilsAddNames);
    try {
        if (m_local->localSetting("classe-regole " + m_destination) != text)
            m_local->setLocalSetting("classe-regole " + m_destination, text);
    } catch (const StoreFault&) {
        // Only a copy for a start without the server: the rules themselves are on it.
    }
}

void ClassStore::setClassRules(const ClassRules& rules)
{
    teacher().query("SELECT quorvel.set_rules($1, $2, $3, $4)",
        { levelsText(rules), std::string(revealName(rules.reveal)),
            std::string(flag(rules.wizardSpeaksAtStart)), std::string(flag(rules.pupilsAddNames)) },
        m_options.queryMilliseconds);
    keepRules(rules);
}

std::vector<PupilProgress> ClassStore::progress()
{
    const PgResult read
        = teacher().query("SELECT name, discovered, revealed, trials FROM quorvel.progress()", {},
            m_options.queryMilliseconds);
    std::vector<PupilProgress> rows;
    for (int row = 0; row < read.rows(); ++row)
        rows.push_back({ read.text(row, 0), static_cast<int>(read.number(row, 1)),
            static_cast<int>(read.number(row, 2)), static_cast<int>(read.number(row, 3)) });
    return rows;
}

// What the store last saw of the server: asking costs nothing.
std::optional<ServerLink> ClassStore::serverLink()
{
    ServerLink link;
    link.reachable = m_reachable && m_pupil.connected();
    link.className = m_className;
    link.pupils = m_pupils;
    try {
        link.waitingTrials = m_local->waiting(m_destination).second;
    } catch (const StoreFault&) {
        link.waitingTrials = 0;
    }
    return link;
}

TeacherSignIn ClassStore::signInTeacher(const std::string& password)
{
    if (m_teacherRole.empty()) {
        try {
            server();
        } catch (const PgFault&) {
            return TeacherSignIn::Unreachable;
        }
    }
    auto connection = std::make_unique<PgConnection>(uriForRole(m_uri, m_teacherRole, password));
    try {
        connection->connect(m_options.connectMilliseconds);
    } catch (const PgFault& fault) {
        return fault.kind() == PgFault::Kind::Unreachable ? TeacherSignIn::Unreachable
                                                          : TeacherSignIn::Wrong;
    }
    m_teacher = std::move(connection);
    return TeacherSignIn::Right;
}

void ClassStore::signOutTeacher()
{
    m_teacher.reset();
}

std::string ClassStore::takeNotice()
{
    std::string notice = m_local->takeOutboxNotice();
    if (!m_notice.empty())
        notice += (notice.empty() ? "" : "\n") + std::exchange(m_notice, std::string());
    return notice;
}

bool ClassStore::live() const
{
    return m_schema >= 2;
}

void ClassStore::needLive() const
{
    if (!live())
        throw StoreFault(translate("Class",
            "la classe sul server va aggiornata per la lavagna e gli ordini: chi amministra la "
            "scuola rilanci «quorvel-classe init»"));
}

int ClassStore::newsSocket()
{
    return m_pupil.connected() ? m_pupil.socket() : -1;
}

ClassNews ClassStore::takeNews()
{
    try {
        for (const std::string& payload : m_pupil.takeNotifications())
            (payload == "prova" ? m_news.trials : m_news.orders) = true;
    } catch (const PgFault&) {
        m_reachable = false;
        m_failedAt = steadyMilliseconds();
    }
    return std::exchange(m_news, ClassNews {});
}

std::optional<ClassOrder> ClassStore::classOrder()
{
    if (!live())
        return std::nullopt;
    try {
        const PgResult read = call(
            "SELECT mechanism_serial, mechanism, stopped, reveal_serial FROM quorvel.class_order()",
            {});
        if (read.rows() == 0)
            return std::nullopt;
        return ClassOrder { read.number(0, 0), read.text(0, 1), read.flag(0, 2),
            read.number(0, 3) };
    } catch (const PgFault&) {
        return std::nullopt; // asked again when the server is back
    }
}

// The pupil's number is learnt as they start to play: what waits on this computer for the
// server goes by it, so a rename meanwhile on another computer loses nothing.
void ClassStore::markPresent(const std::string& pupil)
{
    if (!live())
        return;
    try {
        const PgResult read = call("SELECT quorvel.pupil_number($1), quorvel.here($1)", { pupil });
        if (read.rows() == 1 && !read.isNull(0, 0))
            m_pupilNumbers[pupil] = read.text(0, 0);
    } catch (const PgFault&) {
        // Only for the board and the number: the next call asks again.
    }
}

std::optional<std::string> ClassStore::pupilNumber(const std::string& pupil)
{
    if (const auto found = m_pupilNumbers.find(pupil); found != m_pupilNumbers.end())
        return found->second;
    if (m_reachable && m_pupil.connected())
        markPresent(pupil);
    if (const auto found = m_pupilNumbers.find(pupil); found != m_pupilNumbers.end())
        return found->second;
    return std::nullopt;
}

std::vector<BoardRow> ClassStore::board()
{
    needLive();
    const PgResult read = teacher().query(
        "SELECT pupil, name, level, page, trials, streak, discovered, revealed, since_trial, "
        "since_seen FROM quorvel.board()",
        {}, m_options.queryMilliseconds);
    std::vector<BoardRow> rows;
    for (int row = 0; row < read.rows(); ++row) {
        BoardRow r;
        r.pupilId = read.number(row, 0);
        r.name = read.text(row, 1);
        if (!read.isNull(row, 2)) {
            r.level = static_cast<int>(read.number(row, 2));
            r.page = static_cast<int>(read.number(row, 3));
            r.trials = static_cast<int>(read.number(row, 4));
            r.streak = static_cast<int>(read.number(row, 5));
            r.discovered = read.flag(row, 6);
            r.revealed = read.flag(row, 7);
        }
        if (!read.isNull(row, 8))
            r.secondsSinceTrial = read.number(row, 8);
        r.secondsSinceSeen = read.number(row, 9);
        rows.push_back(std::move(r));
    }
    return rows;
}

void ClassStore::orderMechanism(const std::string& record)
{
    needLive();
    teacher().query("SELECT quorvel.order_mechanism($1)", { record }, m_options.queryMilliseconds);
}

void ClassStore::orderStop(bool stopped)
{
    needLive();
    teacher().query("SELECT quorvel.order_stop($1)", { std::string(flag(stopped)) },
        m_options.queryMilliseconds);
}

bool ClassStore::orderReveal()
{
    needLive();
    return teacher()
        .query("SELECT quorvel.order_reveal()", {}, m_options.queryMilliseconds)
        .flag(0, 0);
}

} // namespace quorvel
