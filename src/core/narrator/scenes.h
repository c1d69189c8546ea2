// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/app/level.h"
#include "core/ports/ports.h"

#include <string>

namespace quorvel {

// What the narrator says and does, scene by scene. Each scene is issued in one go; the
// character service queues it and plays it while the window goes on.
namespace speech {
extern const char* const welcome;
extern const char* const enterValues; // T1
extern const char* const pressExperiment; // T2
extern const char* const varyingOutputsLevel4; // T3
extern const char* const varyingOutputsLevel5; // T4
extern const char* const regularity; // T5
} // namespace speech

void sceneWelcome(Narrator& n);
// After a level command: levels 1 to 3 remind the pupil what to do; levels 4 and 5 show the
// wizard, who warns that outputs may vary.
void sceneLevelChosen(Narrator& n, Level level);
void sceneFirstOutput(Narrator& n);
void sceneControlli(Narrator& n);
void sceneDaRicordare(Narrator& n);
// Three right predictions in a row: the wizard congratulates the pupil.
void sceneDiscovery(Narrator& n);
void sceneOpenedMechanism(Narrator& n, const std::string& name);
// The teacher's orders to the whole class: one mechanism for everyone, stop, go on. He leaves
// what he was saying for them.
void sceneClassMechanism(Narrator& n);
void sceneClassStopped(Narrator& n);
void sceneClassGoesOn(Narrator& n);

// A speech text without its pause tags ("\pau=500\", "\Pau=500\").
std::string withoutPauseTags(const std::string& text);

// The null narrator: what a missing character does with every request (nothing).
class SilentNarrator : public Narrator
{
public:
    void appear() override { }
    void disappear() override { }
    void speak(const std::string&) override { }
    void playAnimation(const std::string&) override { }
    void moveTo(std::int16_t, std::int16_t) override { }
    void setTop(std::int16_t) override { }
    void stopAll() override { }
    void setLanguage(const std::string&) override { }
};

} // namespace quorvel
