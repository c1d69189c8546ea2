#include "core/app/machine.h"

#include <cmath>

namespace quorvel {
namespace {

    struct OperationLook {
        const char* clip;
        const char* opSymbol;
        const char* altOpSymbol;
    };

    // By operation index 1..4: the clip's colour and the two symbol readings.
    constexpr OperationLook operationLooks[] = {
        { "rosso.gif", "+", "+" },
        { "verde.gif", "-", "*" },
        { "blu.gif", "*", "-" },
        { "grigio.gif", ":", ":" },
    };

} // namespace

void Machine::livelloClick(int level)
{
    switch (level) {
    case 1:
        return livello1_Click();
    case 2:
        return livello2_Click();
    case 3:
        return livello3_Click();
    case 4:
        return livello4_Click();
    case 5:
        return livello5_Click();
    default:
        return;
    }
}

// Levels 1 to 3 share one order: level, draw, status, beep, speech, clear the inputs.
void Machine::simpleLevel(int level, Value& scheme, int range, int frequency)
{
    const std::string number = std::to_string(level);
    m_state.activeLevel = "livello" + number;
    scheme = drawWhole(range);
    setText(Control::Label15, "E'attivo il livello " + number);
    m_ports.speaker.Beep(frequency, 100);
    narrator().Speak(speech::enterValues);
    narrator().Speak(speech::pressExperiment);
    setText(Control::i1, "");
    setText(Control::i2, "");
}

void Machine::livello1_Click() { simpleLevel(1, m_state.schemaLevel1, 7, 500); }
void Machine::livello2_Click() { simpleLevel(2, m_state.schemaLevel2, 16, 550); }
void Machine::livello3_Click() { simpleLevel(3, m_state.schemaLevel3, 20, 600); }

void Machine::livello4_Click()
{
    m_state.activeLevel = "livello4";
    m_state.schemaLevel4 = drawWhole(20);
    Narrator& n = narrator();
    n.Show();
    n.setTop(100);
    n.Speak(speech::enterValues);
    n.Play("getattention");
    n.Speak(speech::varyingOutputsLevel4);
    n.Speak(speech::regularity);
    n.Speak(speech::pressExperiment);
    setText(Control::Label15, "E'attivo il livello 4");
    m_ports.speaker.Beep(650, 100);
    setText(Control::i1, "");
    setText(Control::i2, "");
}

void Machine::livello5_Click()
{
    m_state.activeLevel = "livello5";
    m_state.schemaLevel5 = toInt16(drawWhole(18));
    Narrator& n = narrator();
    n.Show();
    n.setTop(100);
    n.Speak(speech::enterValues);
    setText(Control::i1, "");
    setText(Control::i2, "");
    n.Play("getattention");
    n.Speak(speech::varyingOutputsLevel5);
    n.Speak(speech::regularity);
    n.Speak(speech::pressExperiment);
    setText(Control::Label15, "E'attivo il livello 5");
    m_ports.speaker.Beep(700, 100);
}

void Machine::cmb_Click()
{
    MachineState& s = m_state;
    setText(Control::Label15, "E' attivo il  " + s.activeLevel);
    s.loadedFromFile = false;
    setText(Control::usc, "");

    const int c2 = clockDigit() + 1;
    s.paramGrid[2][2] = static_cast<std::int16_t>(c2);
    int c1 = static_cast<int>(std::floor(static_cast<double>(draw()) * 6)) + c2;
    if (c1 == c2)
        c1 += 1;
    if (c1 >= 10)
        c1 -= 10;
    if (c1 == 0)
        c1 = 3;
    s.paramGrid[1][1] = static_cast<std::int16_t>(c1);

    s.experimentCount = Value::int16(0);
    s.secondOpCount = Value::int16(0);

    s.schemaLevel1 = drawWhole(7);
    s.schemaLevel2 = drawWhole(16);
    s.schemaLevel3 = drawWhole(20);
    s.schemaLevel4 = drawWhole(20);
    s.schemaLevel5 = toInt16(drawWhole(18));

    m_ports.shock.GotoFrame(1);
    m_ports.speaker.Beep(500, 100);
}

void Machine::ingr_Click()
{
    MachineState& s = m_state;
    s.loadedFromFile = false;
    s.opCode = drawWhole(4);
    s.partOpCode = drawWhole(4);
    s.joinOpCode = drawWhole(4);

    const int op = static_cast<int>(s.opCode.number());
    if (op >= 1 && op <= 4) {
        const OperationLook& look = operationLooks[op - 1];
        m_ports.shock.setMovie(programFile(look.clip).string());
        s.opSymbol = look.opSymbol;
        s.altOpSymbol = look.altOpSymbol;
    }
    m_ports.speaker.Beep(700, 100);
}

std::array<const char*, 5> Machine::Timer1_Timer()
{
    m_state.lightPhase = !m_state.lightPhase;
    if (m_state.lightPhase)
        return { "luce1.gif", "luce3.gif", "luce2.gif", "luce4.gif", "luce3.gif" };
    return { "luce2.gif", "luce4.gif", "luce3.gif", "luce1.gif", "luce2.gif" };
}

} // namespace quorvel
