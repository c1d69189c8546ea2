// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/collection/class_follower.h"

#include "core/app/machine.h"
#include "core/narrator/scenes.h"
#include "core/storage/mechanism_commands.h"

namespace quorvel {

ClassFollower::Update ClassFollower::takeNews(
    CollectionStore& store, Machine& m, bool teachersMachine, bool lookAnyway)
{
    Update update { store.takeNews(), {} };
    if ((update.news.orders || lookAnyway) && !teachersMachine)
        if (const std::optional<ClassOrder> order = store.classOrder())
            update.changes = follow(m, *order);
    return update;
}

std::vector<ClassFollower::Change> ClassFollower::follow(Machine& m, const ClassOrder& order)
{
    std::vector<Change> changes;
    if (order.stopped && !m_stopped) {
        m_stopped = true;
        sceneClassStopped(m.narrator());
        changes.push_back(Change::Stopped);
    }
    // The class's mechanism, once for each order: a pupil who joins later gets it too.
    if (order.mechanismSerial > m_mechanismSerial) {
        m_mechanismSerial = order.mechanismSerial;
        if (!order.mechanism.empty() && openClassMechanism(m, order.mechanism)) {
            m_classPage = m.notebook().currentPage() ? m.notebook().currentPage()->id : "";
            m_className = m.state().openedMechanismName;
            changes.push_back(Change::Mechanism);
        }
    }
    // The rule of the class's mechanism, to the machines still on it, on its page.
    if (order.revealSerial == order.mechanismSerial && order.revealSerial > m_revealSerial) {
        m_revealSerial = order.revealSerial;
        const Page* page = m.notebook().currentPage();
        if (!m_classPage.empty() && page && page->id == m_classPage && m.state().loadedFromFile
            && m.state().openedMechanismName == m_className)
            changes.push_back(Change::RuleTold);
    }
    if (!order.stopped && m_stopped) {
        m_stopped = false;
        sceneClassGoesOn(m.narrator());
        changes.push_back(Change::GoesOn);
    }
    return changes;
}

} // namespace quorvel
