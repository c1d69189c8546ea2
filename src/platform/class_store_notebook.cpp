// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The notebooks on the class's server, and the outbox that keeps what the server could not be
// given yet.
#include "core/app/translation.h"
#include "core/collection/kept_notebook.h"
#include "core/values/number_text.h"
#include "platform/class_store.h"

#include <charconv>
#include <cmath>
#include <unordered_map>

namespace quorvel {
namespace {

// The server's functions the outbox may hold calls of, by the name the outbox keeps.
const char* sqlFor(const std::string& call)
{
    if (call == "page")
        return "SELECT quorvel.save_page($1, $2, $3, $4, $5, $6, $7, $8, $9, $10, $11, $12, $13, "
               "$14, $15, $16, $17, $18)";
    if (call == "card")
        return "SELECT quorvel.open_card($1, $2, $3, $4, $5, $6, $7, $8)";
    // The same by the pupil's number, which a rename on another computer keeps.
    if (call == "page-of")
        return "SELECT quorvel.save_page_of($1, $2, $3, $4, $5, $6, $7, $8, $9, $10, $11, $12, "
               "$13, $14, $15, $16, $17, $18)";
    if (call == "card-of")
        return "SELECT quorvel.open_card_of($1, $2, $3, $4, $5, $6, $7, $8)";
    return nullptr;
}

// A number as PostgreSQL reads a double precision, whatever the locale: digits from
// std::to_chars, and its own words for what is not a number.
std::string doubleText(double value)
{
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value > 0 ? "Infinity" : "-Infinity";
    char digits[64];
    const auto written = std::to_chars(digits, digits + sizeof digits, value);
    return std::string(digits, written.ptr);
}

double doubleFrom(const std::string& text)
{
    double value = std::nan("");
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// A PostgreSQL array, every member quoted (its quotes and backslashes escaped) or NULL.
std::string arrayText(const std::vector<PgValue>& members)
{
    std::string text = "{";
    for (const PgValue& member : members) {
        if (text.size() > 1)
            text += ',';
        if (!member) {
            text += "NULL";
            continue;
        }
        text += '"';
        for (const char c : *member) {
            if (c == '"' || c == '\\')
                text += '\\';
            text += c;
        }
        text += '"';
    }
    return text + "}";
}

// A page's own fields: what changes as it is played, to tell whether it must be sent again.
std::string pageRow(const Page& page)
{
    return wholeText(page.level.number()) + '\x1f' + wholeText(page.streak) + '\x1f'
        + joinedLines(page.streakAnswers) + '\x1f' + (page.discovered ? "t" : "f")
        + (page.revealed ? "t" : "f") + '\x1f' + page.rule;
}

// The call that keeps a page and its trials from the index `from` on.
std::vector<PgValue> pageCall(const std::string& profile, const Page& page, std::size_t from)
{
    std::vector<PgValue> uid, made, first, second, a, b, output, prediction, right;
    for (std::size_t i = from; i < page.trials.size(); ++i) {
        const Trial& t = page.trials[i];
        uid.emplace_back(t.id);
        made.emplace_back(wholeText(t.made));
        first.emplace_back(t.first);
        second.emplace_back(t.second);
        a.emplace_back(doubleText(t.a));
        b.emplace_back(doubleText(t.b));
        output.emplace_back(t.output);
        prediction.push_back(t.prediction);
        right.emplace_back(t.predictionRight ? "t" : "f");
    }
    return { profile, page.id, wholeText(page.begun), wholeText(page.level.number()),
        wholeText(page.streak), joinedLines(page.streakAnswers),
        std::string(page.discovered ? "t" : "f"), std::string(page.revealed ? "t" : "f"), page.rule,
        arrayText(uid), arrayText(made), arrayText(first), arrayText(second), arrayText(a),
        arrayText(b), arrayText(output), arrayText(prediction), arrayText(right) };
}

} // namespace

std::string outboxArguments(const std::vector<PgValue>& arguments)
{
    std::string text;
    for (const PgValue& argument : arguments)
        text += argument ? wholeText(static_cast<long long>(argument->size())) + ":" + *argument
                         : std::string("-");
    return text;
}

std::vector<PgValue> fromOutboxArguments(const std::string& text)
{
    std::vector<PgValue> arguments;
    std::size_t at = 0;
    while (at < text.size()) {
        if (text[at] == '-') {
            arguments.emplace_back(std::nullopt);
            ++at;
            continue;
        }
        const std::size_t colon = text.find(':', at);
        const auto length = readWhole(text.substr(at, colon - at));
        if (colon == std::string::npos || !length || colon + 1 + *length > text.size())
            break; // a damaged call: what it holds is not sent
        arguments.emplace_back(text.substr(colon + 1, static_cast<std::size_t>(*length)));
        at = colon + 1 + static_cast<std::size_t>(*length);
    }
    return arguments;
}

std::vector<Page> ClassStore::notebook(const std::string& profile)
{
    const PgResult pageRows = call("SELECT * FROM quorvel.pages($1)", { profile });
    const PgResult trialRows = call("SELECT * FROM quorvel.trials($1)", { profile });
    std::vector<Page> pages;
    std::unordered_map<std::string, std::size_t> pageAt;
    for (int row = 0; row < pageRows.rows(); ++row) {
        Page page;
        page.id = pageRows.text(row, 0);
        page.begun = pageRows.number(row, 1);
        page.level = Level::number(static_cast<int>(pageRows.number(row, 2)));
        page.streak = static_cast<int>(pageRows.number(row, 3));
        page.streakAnswers = linesOf(pageRows.text(row, 4));
        page.discovered = pageRows.flag(row, 5);
        page.revealed = pageRows.flag(row, 6);
        page.rule = pageRows.text(row, 7);
        pageAt[page.id] = pages.size();
        pages.push_back(std::move(page));
    }
    for (int row = 0; row < trialRows.rows(); ++row) {
        const auto found = pageAt.find(trialRows.text(row, 0));
        if (found == pageAt.end())
            continue;
        Trial t;
        t.id = trialRows.text(row, 1);
        t.made = trialRows.number(row, 2);
        t.first = trialRows.text(row, 3);
        t.second = trialRows.text(row, 4);
        t.a = trialRows.isNull(row, 5) ? std::nan("") : doubleFrom(trialRows.text(row, 5));
        t.b = trialRows.isNull(row, 6) ? std::nan("") : doubleFrom(trialRows.text(row, 6));
        t.output = trialRows.text(row, 7);
        if (!trialRows.isNull(row, 8))
            t.prediction = trialRows.text(row, 8);
        t.predictionRight = trialRows.flag(row, 9);
        pages[found->second].trials.push_back(std::move(t));
    }
    putInOrder(pages);
    for (const Page& page : pages)
        m_kept[page.id] = { page.trials.size(), page.trials.empty() ? "" : page.trials.back().id,
            pageRow(page) };
    return pages;
}

// Each save sends a page only when it changed, with the trials it did not send yet: one call
// for the page and its new trials, kept whole by the server.
void ClassStore::saveNotebook(const std::string& profile, std::span<const Page> pages)
{
    for (const Page& page : pages) {
        if (!worthKeeping(page))
            continue;
        const std::string row = pageRow(page);
        std::size_t from = 0;
        if (const auto found = m_kept.find(page.id); found != m_kept.end()) {
            const KeptPage& was = found->second;
            const bool grew = was.trials <= page.trials.size()
                && (was.trials == 0 || page.trials[was.trials - 1].id == was.lastTrial);
            if (grew && was.trials == page.trials.size() && was.row == row)
                continue;
            from = grew ? was.trials : 0;
        }
        const std::optional<std::string> number = pupilNumber(profile);
        deliver(number ? "page-of" : "page", pageCall(number.value_or(profile), page, from),
            static_cast<int>(page.trials.size() - from));
        m_kept[page.id]
            = { page.trials.size(), page.trials.empty() ? "" : page.trials.back().id, row };
    }
}

// Straight to the server when it answers and nothing waits before this call; otherwise into
// the outbox, behind what waits, so the server gets everything in the order it was made.
void ClassStore::deliver(const std::string& call, const std::vector<PgValue>& arguments, int trials)
{
    const bool nothingWaits = m_local->waiting(m_destination).first == 0;
    if (m_reachable && m_pupil.connected() && nothingWaits) {
        try {
            m_pupil.query(sqlFor(call), arguments, m_options.queryMilliseconds);
            return;
        } catch (const PgFault& fault) {
            if (fault.kind() != PgFault::Kind::Unreachable)
                throw;
            m_reachable = false;
            m_failedAt = steadyMilliseconds();
            m_pupil.close();
        }
    }
    m_local->addOutgoing(m_destination, { 0, call, outboxArguments(arguments), trials });
    if (m_reachable && m_pupil.connected())
        sendOutbox();
}

// Sends what waits, oldest first, taking each call away once the server has it; false when
// the server stopped answering on the way.
bool ClassStore::sendOutbox()
{
    for (;;) {
        const std::vector<Outbox::Outgoing> items = m_local->outgoing(m_destination, 100);
        if (items.empty())
            return true;
        long long sent = 0;
        for (const Outbox::Outgoing& item : items) {
            const char* sql = sqlFor(item.call);
            try {
                if (sql)
                    m_pupil.query(
                        sql, fromOutboxArguments(item.arguments), m_options.queryMilliseconds);
            } catch (const PgFault& fault) {
                if (fault.kind() == PgFault::Kind::Unreachable) {
                    if (sent > 0)
                        m_local->removeOutgoing(m_destination, sent);
                    m_reachable = false;
                    m_failedAt = steadyMilliseconds();
                    m_pupil.close();
                    return false;
                }
                // The server will never take this one: it is said, and the rest go on.
                m_notice
                    = translate("Class", "una prova non è stata accettata dal server della classe")
                    + " (" + fault.what() + ")";
            }
            sent = item.seq;
        }
        m_local->removeOutgoing(m_destination, sent);
    }
}

void ClassStore::sendWaiting()
{
    if (!m_pupil.connected()) {
        try {
            if (!m_pupil.connectStep())
                return;
            readClass();
            m_reachable = true;
        } catch (const PgFault& fault) {
            m_reachable = false;
            m_failedAt = steadyMilliseconds();
            if (fault.kind() != PgFault::Kind::Unreachable)
                m_notice = fault.what();
            return;
        }
    }
    try {
        sendOutbox();
    } catch (const StoreFault& fault) {
        m_notice = fault.what(); // the local file: said once, tried again next time
    }
}

} // namespace quorvel
