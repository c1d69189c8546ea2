// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/app/machine.h"

#include "core/app/translation.h"
#include "core/mechanisms/dispatch.h"
#include "core/mechanisms/rule_descriptions.h"
#include "core/values/number_text.h"

#include <cmath>

namespace quorvel {

Machine::Machine(Ports ports, char decimalSeparator)
    : m_ports(ports)
    , m_decimalSeparator(decimalSeparator)
    // The words the face starts with; the console's "stato" shows them as they are.
    , m_texts { startingInputText, startingInputText, "", "", "out", "" }
{
}

const std::string& Machine::text(Control control) const
{
    return m_texts[static_cast<std::size_t>(control)];
}

void Machine::setText(Control control, const std::string& text)
{
    std::string& current = m_texts[static_cast<std::size_t>(control)];
    if (current == text)
        return;
    current = text;
    if (m_observer)
        m_observer->textChanged(control, text);
    if (control == Control::Output)
        onOutputChanged();
}

void Machine::start()
{
    MachineState& s = m_state;
    s.loadedFromFile = false;
    for (int i = 1; i <= 4; ++i)
        for (int j = 1; j <= 4; ++j)
            s.paramGrid[i][j] = toInt16(drawWhole(9));

    s.opCode = Value::int16(clockOperation());

    m_ports.shock.showOperation(1); // the first operation's clip, whichever the clock chose
    m_ports.shock.stopClip();
    m_ports.shock.showFrame(1);

    s.partOpCode = drawWhole(4);
    s.joinOpCode = drawWhole(4);

    loadNarrator();
    if (m_welcomeOn)
        sceneWelcome(narrator());
}

void Machine::loadNarrator()
{
    m_narrator = m_ports.characters.load("merlin");
    if (!m_narrator)
        return;
    m_narrator->setLanguage(languageCode(currentLanguage()));
}

void Machine::pressDigit(Keypad keypad, int digit)
{
    const Control target = keypad == Keypad::First ? Control::FirstInput : Control::SecondInput;
    setText(target, text(target) + static_cast<char>('0' + digit));
}

// All the digits in one change of the input: one click at a time would copy the whole text at
// every digit, which grows with the square of a long number.
void Machine::typeDigits(Keypad keypad, std::string_view digits)
{
    const Control target = keypad == Keypad::First ? Control::FirstInput : Control::SecondInput;
    std::string typed = text(target);
    for (char c : digits)
        if (c >= '0' && c <= '9')
            typed += c;
    setText(target, typed);
}

void Machine::eraseLastDigit(Keypad keypad)
{
    const Control target = keypad == Keypad::First ? Control::FirstInput : Control::SecondInput;
    const std::string& typed = text(target);
    if (!typed.empty() && typed.back() >= '0' && typed.back() <= '9')
        setText(target, typed.substr(0, typed.size() - 1));
}

void Machine::clearFirstInput()
{
    setText(Control::FirstInput, "");
}
void Machine::clearSecondInput()
{
    setText(Control::SecondInput, "");
}

void Machine::runExperiment()
{
    m_ports.speaker.beep(800, 100);
    setText(Control::FirstOperand, text(Control::FirstInput));
    setText(Control::SecondOperand, text(Control::SecondInput));
    m_ports.shock.playClip();
    setText(Control::Output, "");
    if (m_state.activeLevel.isNone())
        m_ports.messages.show(translate("Machine", "Devi scegliere un livello!!"));
    try {
        runSelectedMechanism();
        m_ports.shock.playClip();
        setText(Control::Output, m_state.resultValue.display(m_decimalSeparator));
    } catch (const MechanismFault&) {
        setText(Control::Output, "????");
    }
    writeInNotebook();
}

namespace {
// The number an input holds, for the notebook; a number too large for a double is
// written as infinite.
double inputNumber(const std::string& text)
{
    try {
        return readLeadingNumber(text);
    } catch (const MechanismFault&) {
        return HUGE_VAL;
    }
}
} // namespace

void Machine::writeInNotebook()
{
    m_lastOutcome = {};
    if (m_state.activeLevel.isNone()) {
        m_notebook.setPrediction("");
        return;
    }
    const std::string& first = text(Control::FirstOperand);
    const std::string& second = text(Control::SecondOperand);
    const double a = inputNumber(first), b = inputNumber(second);
    // What the rule just run could have given, asked only when a prediction needs it.
    const auto possible = [&] {
        const std::optional<RuleDescription> rule = describeRule(m_state);
        return rule ? possibleOutputs(*rule, a, b) : PossibleOutputs {};
    };
    m_lastOutcome = m_notebook.record(first, second, a, b, text(Control::Output), possible);
    if (m_lastOutcome.discovery) {
        if (const std::optional<RuleDescription> rule = describeRule(m_state))
            m_notebook.noteRule(rule->text);
        sceneDiscovery(narrator());
    }
}

Machine::Reveal Machine::revealRule()
{
    const std::optional<RuleDescription> rule = describeRule(m_state);
    if (!rule)
        return {};
    if (!rule->known)
        return { Reveal::Result::NotYet,
            translate("Machine",
                "La macchina sceglie una parte della regola al primo esperimento: fai prima un "
                "esperimento, poi potrò dirti la regola.") };
    m_notebook.markRevealed();
    m_notebook.noteRule(rule->text);
    return { Reveal::Result::Told, rule->text };
}

void Machine::runSelectedMechanism()
{
    MachineState& s = m_state;
    if (s.activeLevel == Level::number(1)) {
        // The level-1 correction, stored: beyond 7 becomes 4, then 0 (or empty) becomes 1.
        if (s.schemaLevel1 > Value::int16(7))
            s.schemaLevel1 = Value::int16(4);
        if (s.schemaLevel1 == Value::int16(0))
            s.schemaLevel1 = Value::int16(1);
    }
    const CatalogueEntry* mechanism = selectMechanism(s);
    if (!mechanism)
        return;
    m_resultAssigned = false;
    mechanism->run(*this);
    // A mechanism that reached no result must not pass the previous output off as the
    // answer to the new inputs.
    if (!m_resultAssigned)
        throw MechanismFault("no result");
}

void Machine::clearForNextPlayer()
{
    setText(Control::FirstInput, "");
    setText(Control::SecondInput, "");
    m_quietOutput = true;
    setText(Control::Output, "");
    m_quietOutput = false;
}

void Machine::onOutputChanged()
{
    if (m_quietOutput)
        return;
    MachineState& s = m_state;
    if (s.activeLevel.isNone())
        return;
    if (s.outputChangeCount > 1)
        return; // only the first count matters; counting stops here
    ++s.outputChangeCount;
    if (s.outputChangeCount == 1)
        sceneFirstOutput(narrator());
}

void Machine::readFirstInput()
{
    m_state.inputA = Value::dbl(readLeadingNumber(text(Control::FirstOperand)));
}

void Machine::readSecondInput()
{
    m_state.inputB = toInt16(readLeadingNumber(text(Control::SecondOperand)));
}

void Machine::readInputs()
{
    readFirstInput();
    readSecondInput();
}

void Machine::setResult(const Value& v)
{
    m_state.resultValue = v;
    m_resultAssigned = true;
}

float Machine::draw()
{
    return m_ports.random.next();
}

float Machine::reseedAndDraw()
{
    m_ports.random.reseed(m_ports.clock.secondsSinceMidnight());
    return m_ports.random.next();
}

Value Machine::drawWhole(int k)
{
    return Value::single(std::floor(static_cast<double>(reseedAndDraw()) * k + 1));
}

int Machine::clockDigit() const
{
    const std::string time = m_ports.clock.timeOfDay();
    const char last = time.empty() ? '0' : time.back();
    return last >= '0' && last <= '9' ? last - '0' : 0;
}

int Machine::clockOperation() const
{
    const int digit = clockDigit() % 5;
    return digit == 0 ? 1 : digit;
}

void Machine::showNarrator()
{
    narrator().appear();
    narrator().setTop(100);
}

void Machine::hideNarrator()
{
    narrator().disappear();
}
void Machine::explainControls()
{
    sceneControlli(narrator());
}
void Machine::explainWhatToRemember()
{
    sceneDaRicordare(narrator());
}

} // namespace quorvel
