// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/narrator/scenes.h"
#include "core/ports/ports.h"

#include <optional>
#include <ostream>
#include <string>

namespace quorvel {

// The console's side of every port: beeps and clips are silent, the narrator's speech, the
// message boxes and the status line become lines of output.
class ConsolePlatform : public Speaker,
                        public ClipPlayer,
                        public CharacterService,
                        public SilentNarrator,
                        public MessageBox,
                        public FaceObserver,
                        public SaveDialog
{
public:
    explicit ConsolePlatform(std::ostream& out)
        : m_out(out)
    {
    }

    void beep(int, int) override { }

    void showOperation(int) override { }
    void playClip() override { }
    void stopClip() override { }
    void showFrame(int) override { }

    Narrator* load(const std::string& id) override { return id == "merlin" ? this : nullptr; }

    // The narrator only speaks here: what it says becomes a line; the rest is silent.
    void speak(const std::string& text) override
    {
        m_out << "narratore: " << withoutPauseTags(text) << '\n';
    }

    void show(const std::string& text) override { m_out << "messaggio: " << text << '\n'; }

    // The name the pupil types, given by the "salva" command just before the dialog opens.
    std::optional<std::string> askSavePath(const std::string&) override { return m_typedName; }
    void typeName(std::string name) { m_typedName = std::move(name); }

    void textChanged(Control control, const std::string& text) override
    {
        if (control == Control::StatusLine)
            m_out << "stato: " << text << '\n';
    }

private:
    std::ostream& m_out;
    std::optional<std::string> m_typedName;
};

} // namespace quorvel
