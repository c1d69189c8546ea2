// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/collection/class_follower.h"
#include "core/collection/pupil_session.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>

class QSocketNotifier;

namespace quorvel {

class Clock;
class Machine;
class MessageBox;

// The window's side of who plays: it presents the pupil session (the core's) with the window's
// words, boxes and signals. The pupils' database is opened once the window is on the screen; a
// save that fails keeps the pupil and is tried again in the background until it works.
class PupilPresenter : public QObject
{
    Q_OBJECT
public:
    // Asks the pupil a yes-or-no question; true for yes.
    using Question = std::function<bool(const QString&)>;

    PupilPresenter(Machine& machine, const Clock& clock, MessageBox& messages, Question ask,
        QObject* parent = nullptr);
    ~PupilPresenter() override;

    // Opens the database when it is not open yet; false, after saying why, when it cannot be.
    bool open();
    // The folder the database lives in: Qt's application data folder.
    static QString folder();
    static QString shownGuestName();

    // The player's name as shown: the guest's in the language in use.
    QString player() const;
    bool isGuest() const { return m_session.isGuest(); }
    QStringList pupils();
    // Adds a pupil; nothing when the name is taken or cannot be a name, with why in `why`. The
    // name as kept when added.
    std::optional<QString> addPupil(const QString& name, QString& why);
    // Lets the named pupil (or the guest) play. The guest's trials of the page in force are
    // offered to a pupil who takes over, with one question.
    void choose(const QString& name);

    std::vector<Card> cards();
    const ClassRules& rules() const { return m_session.rules(); }
    void setRules(const ClassRules& rules);
    Classroom& classroom() { return m_session.classroom(); }
    const Classroom& classroom() const { return m_session.classroom(); }
    PupilSession& session() { return m_session; }
    std::optional<QString> revealRefusal() const;

    void afterExperiment();
    void afterReveal();
    // Keeps the player's notebook as it is now; one that cannot be kept is tried again.
    void keepNotebook();
    // The end of the program: one last try, and what could not be kept is said.
    void finish();

    // Plays in the class of this line from now on (kept in the user's settings), after
    // checking that its server answers; why not, if not.
    std::optional<QString> joinClass(const QString& uri);
    // Whether the store is a class's server.
    bool inClass() const { return m_inClass; }
    // While the teacher's desk is open the teacher leads the class: this machine gives the
    // orders and does not take them.
    void setTeacherLeads(bool leads) { m_teacherLeads = leads; }
    // Whether the teacher has stopped the class: the machine takes no input.
    bool stoppedByClass() const { return m_follower.stopped(); }
    // Takes the class's news now: the board's, and the orders this machine follows.
    void takeClassNews(bool lookForOrders = false);

    // How long a waiting save waits before it is tried again.
    static constexpr int retryMs = 2000;
    // How often what waits for the class's server is sent, and its link looked at.
    static constexpr int classMs = 2000;

signals:
    void playerChanged(const QString& name);
    void rulesChanged();
    // A card opened: the rule in words, and whether it was discovered or revealed.
    void cardOpened(const QString& description, bool discovered);
    // Something to say in the notebook without stopping the game.
    void notice(const QString& text);
    // The class's server stopped or started answering: the status line says so.
    void classStatus(const QString& text);
    // The machine followed the teacher's order: what changed.
    void classOrderFollowed(quorvel::ClassFollower::Change change);
    // A pupil's trial or an order reached the class: the teacher's board may have changed.
    void classNews();

private:
    void show(const std::string& text);
    void report();
    void rememberLevels();
    void followClass();
    void watchClassNews();

    Machine& m_machine;
    MessageBox& m_messages;
    Question m_ask;
    PupilSession m_session;
    QTimer m_retry;
    QTimer m_class;
    bool m_inClass = false;
    std::optional<bool> m_linked;
    ClassFollower m_follower;
    bool m_teacherLeads = false;
    std::unique_ptr<QSocketNotifier> m_news; // the class's server's socket, while connected
    int m_newsSocket = -1;
    int m_quietRounds = 0; // of followClass without an order: now and then one is looked for
};

} // namespace quorvel
