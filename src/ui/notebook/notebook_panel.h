// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/notebook/notebook.h"

#include <QWidget>
#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QVBoxLayout;

namespace quorvel {

class Machine;
class NotebookModel;
class NotebookPlot;

// The pupil's notebook beside the machine ("Quaderno"): the trials of a page as a table and as
// a plot, the prediction for the next experiment, a hypothesis to check, and the rule revealed
// on request. It only shows the core's notebook and passes the pupil's words to it.
class NotebookPanel : public QWidget, public NotebookObserver
{
    Q_OBJECT
public:
    static constexpr int naturalWidth = 400;

    explicit NotebookPanel(Machine& machine, QWidget* parent = nullptr);
    ~NotebookPanel() override;

    void notebookChanged() override;
    void notebookReplaced() override;

    // What the pupil sees, for the window's tests.
    NotebookModel& model() { return *m_model; }
    NotebookPlot& plot() { return *m_plot; }
    QLineEdit& predictionField() { return *m_prediction; }
    // Hands the prediction field's text to the notebook before an experiment: false, with the
    // reason said in the notebook and the field ready to be corrected, for a text that is no
    // prediction ("tre"), which is then never written in the notebook.
    bool takePrediction();
    QLineEdit& hypothesisField() { return *m_hypothesis; }
    QString pageTitle() const;
    QString statusText() const;
    QString verdictText() const;
    // Says something briefly on the line below the fields, as a verdict is said: in its place,
    // or after it.
    void announce(const QString& text, bool after = false);
    // What the class rules say of "Rivela la regola" now: why not, or nothing when it may.
    using RevealGuard = std::function<std::optional<QString>()>;
    void setRevealGuard(RevealGuard guard) { m_revealGuard = std::move(guard); }
    // Light words on a dark ground, at 7:1 or more, as the face's high contrast asks.
    void setHighContrast(bool on);

public slots:
    void showPage(int index);
    void checkHypothesis(); // "Verifica"
    void revealRule(); // "Rivela la regola"
    // The rule told without asking, whatever the class rules say: the teacher told the class.
    void tellRule();

signals:
    // Enter in the prediction field: the pupil wants the experiment now.
    void experimentRequested();
    // The rule of the current page was revealed.
    void ruleRevealed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildPlot(QVBoxLayout& layout);
    void buildPageChooser();
    void buildFields();
    QLineEdit* field(
        const QString& title, const char* name, const QString& hint, QHBoxLayout*& row);
    void fitColumns();
    void updatePages();
    void updateStatus();
    enum class Tone { Plain, Good, Bad };
    void say(const QString& text, Tone tone = Tone::Plain);
    void updateRefusal();
    void showDiscovery(bool discovered);
    const Page* shownPage() const;

    bool m_highContrast = false;
    bool m_saysRefusal = false; // the verdict is why the rule cannot be revealed yet
    Machine& m_machine;
    NotebookModel* m_model = nullptr;
    NotebookPlot* m_plot = nullptr;
    QComboBox* m_pages = nullptr;
    QLabel* m_status = nullptr;
    QTableView* m_table = nullptr;
    QCheckBox* m_againstSecond = nullptr;
    QLineEdit* m_prediction = nullptr;
    QLineEdit* m_hypothesis = nullptr;
    QPushButton* m_check = nullptr;
    QLabel* m_verdict = nullptr;
    QPushButton* m_reveal = nullptr;
    RevealGuard m_revealGuard;
};

} // namespace quorvel
