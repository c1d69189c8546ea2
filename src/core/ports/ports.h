// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

namespace quorvel {

// The interfaces the core calls. The window and the console plug in real ones; the tests
// plug in recording fakes. The core never implements the platform's side.

class Speaker
{
public:
    virtual ~Speaker() = default;
    // Sounds a tone and returns when it has ended.
    virtual void beep(int frequency, int milliseconds) = 0;
};

// The clip player on the machine's face (`shock`): it shows the operation drawn, by its index
// 1..4 as the operation in force numbers them; the window chooses each operation's clip.
class ClipPlayer
{
public:
    virtual ~ClipPlayer() = default;
    virtual void showOperation(int index) = 0; // loads its clip, shows frame 1, starts
    virtual void playClip() = 0; // plays on from the frame shown
    virtual void stopClip() = 0; // stops at the frame shown
    virtual void showFrame(int frame) = 0; // frames count from 1
};

// The narrator character. Every request returns at once; appear, disappear, speak,
// playAnimation and moveTo queue and are carried out in order, setTop acts at once.
class Narrator
{
public:
    virtual ~Narrator() = default;
    virtual void appear() = 0;
    virtual void disappear() = 0;
    virtual void speak(const std::string& text) = 0;
    virtual void playAnimation(const std::string& animation) = 0;
    virtual void moveTo(std::int16_t x, std::int16_t y) = 0;
    virtual void setTop(std::int16_t y) = 0;
    // Ends what he is doing, a sentence included, and drops every request still waiting.
    virtual void stopAll() = 0;
    // The language he speaks, as a tag: "it", "en". His balloon's font is the window's choice.
    virtual void setLanguage(const std::string& tag) = 0;
};

// The character service: loads a character by id, or gives nullptr.
class CharacterService
{
public:
    virtual ~CharacterService() = default;
    virtual Narrator* load(const std::string& id) = 0;
};

// A modal message box with an OK button; returns when the pupil has closed it.
class MessageBox
{
public:
    virtual ~MessageBox() = default;
    virtual void show(const std::string& text) = 0;
};

// The save-file dialog: the path the pupil chose (as typed, no extension added), or nothing
// when the dialog was cancelled.
class SaveDialog
{
public:
    virtual ~SaveDialog() = default;
    virtual std::optional<std::string> askSavePath(const std::string& filter) = 0;
};

// Writes a file whole: the target is either replaced by the contents or left as it was. The
// error, if any, says why not.
class FileWriter
{
public:
    virtual ~FileWriter() = default;
    virtual std::error_code replaceWhole(
        const std::filesystem::path& target, const std::string& contents)
        = 0;
};

// Keeps the teacher's PIN only as a salted, deliberately slow hash, and checks a PIN against it.
class PinHasher
{
public:
    virtual ~PinHasher() = default;
    virtual std::string hash(const std::string& pin) const = 0;
    virtual bool matches(const std::string& hash, const std::string& pin) const = 0;
};

class Clock
{
public:
    virtual ~Clock() = default;
    virtual int secondsSinceMidnight() const = 0;
    // The time of day as "HH:MM:SS" (24-hour).
    virtual std::string timeOfDay() const = 0;
    // Today's date as "YYYY-MM-DD", for the cards of the collection.
    virtual std::string today() const = 0;
    // Seconds since the epoch, for what waits a while (the teacher's PIN after wrong ones).
    virtual long long secondsSinceEpoch() const = 0;
};

// The program's one pseudo-random generator.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    // Uniform in [0, 1), single precision.
    virtual float next() = 0;
    // Mixes a clock reading into the current state.
    virtual void reseed(int clockReading) = 0;
};

// Where the notebook's pages and trials get their identity: an id no other copy of the program
// will ever give, however many play as one pupil at once, and the moment each was made.
class IdentitySource
{
public:
    virtual ~IdentitySource() = default;
    // 128 random bits as 32 lowercase hexadecimal digits.
    virtual std::string newId() = 0;
    // Microseconds since 1970-01-01 UTC, as the computer's calendar clock reads them.
    virtual long long microsecondsNow() = 0;
};

// The texts of the machine's face the core owns: the two inputs the pupil types, the copies of
// them the last experiment took and calculated with (hidden), the output and the status line.
enum class Control { FirstInput, SecondInput, FirstOperand, SecondOperand, Output, StatusLine };

// Told of every change of a control's text, as it happens.
class FaceObserver
{
public:
    virtual ~FaceObserver() = default;
    virtual void textChanged(Control control, const std::string& text) = 0;
};

} // namespace quorvel
