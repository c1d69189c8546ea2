#include "invariants.h"

#include "ui/app/machine_form.h"

#include <QLabel>

#include <algorithm>
#include <array>
#include <utility>

namespace quorvel::soak {
namespace {

// Skips a run of digits from `at`; false when there is none.
bool digits(const std::string& text, std::size_t& at)
{
    const std::size_t from = at;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9')
        ++at;
    return at > from;
}

bool startsWith(const std::string& text, const std::string& prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

void checkGrid(const MachineState& s, std::vector<std::string>& broken)
{
    for (std::size_t i = 0; i < s.paramGrid.size(); ++i) {
        if (s.paramGrid[0][i] != 0 || s.paramGrid[i][0] != 0)
            broken.push_back(
                "paramGrid row 0 or column 0 holds a non-zero value at index " + std::to_string(i));
    }
}

void checkFace(MachineForm& form, std::vector<std::string>& broken)
{
    const Machine& m = form.machine();
    const std::pair<const char*, Control> shown[] = { { "i1", Control::i1 }, { "i2", Control::i2 },
        { "usc", Control::usc }, { "Label15", Control::Label15 } };
    for (const auto& [name, control] : shown) {
        const auto* label = form.findChild<QLabel*>(name);
        if (!label)
            broken.push_back(std::string("the control ") + name + " is missing");
        else if (label->text().toStdString() != m.text(control))
            broken.push_back(std::string("the face shows ") + name + " = \""
                + label->text().toStdString() + "\" but the machine holds \"" + m.text(control)
                + "\"");
    }
}

} // namespace

bool isDisplayedOutput(const std::string& shown, char decimalSeparator)
{
    if (shown.empty() || shown == "out" || shown == "????")
        return true;
    std::size_t at = shown[0] == '-' ? 1 : 0;
    if (!digits(shown, at))
        return false;
    if (at < shown.size() && shown[at] == decimalSeparator && !digits(shown, ++at))
        return false;
    if (at < shown.size() && shown[at] == 'E') {
        if (++at >= shown.size() || (shown[at] != '+' && shown[at] != '-'))
            return false;
        if (!digits(shown, ++at))
            return false;
    }
    return at == shown.size();
}

bool isStatusText(const std::string& status)
{
    if (status.empty())
        return true;
    for (char level = '1'; level <= '5'; ++level)
        if (status == std::string("E'attivo il livello ") + level)
            return true;
    const std::string changed = "E' attivo il  ";
    if (startsWith(status, changed)) {
        const std::string level = status.substr(changed.size());
        if (level.empty() || Level::parse(level))
            return true;
    }
    return startsWith(status, "E' attivo il meccanismo recuperato  ");
}

std::vector<std::string> brokenInvariants(MachineForm& form)
{
    const Machine& m = form.machine();
    const MachineState& s = m.state();
    std::vector<std::string> broken;
    checkGrid(s, broken);
    const std::string& usc = m.text(Control::usc);
    if (!isDisplayedOutput(usc, m.decimalSeparator()))
        broken.push_back("usc shows \"" + usc.substr(0, 80) + "\"");
    if (s.schemaLevel5 < 0 || s.schemaLevel5 > 18)
        broken.push_back("schemaLevel5 is " + std::to_string(s.schemaLevel5));
    if (s.outputChangeCount > 2)
        broken.push_back("outputChangeCount is " + std::to_string(s.outputChangeCount));
    if (!isStatusText(m.text(Control::Label15)))
        broken.push_back("Label15 shows \"" + m.text(Control::Label15) + "\"");
    const std::string& op = s.opSymbol;
    if (op != "" && op != "+" && op != "-" && op != "*" && op != ":")
        broken.push_back("opSymbol is \"" + op + "\"");
    checkFace(form, broken);
    return broken;
}

} // namespace quorvel::soak
