// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/app/translation.h"
#include "ui/narrator/voice.h"

#include <QByteArray>
#include <QString>

#include <memory>

class QWidget;

namespace quorvel {

class Notebook;
struct NotebookOwner;

// The pieces of the game that bring large libraries of their own (the voice and the sound
// device; the notebook's PDF and printer) are modules loaded when first needed, after the
// window's first picture: none of their libraries is loaded before the pupil sees the machine.
// A module that is missing leaves its piece out, with one line on standard error.

// Plays 16-bit signed mono PCM on the default output.
class PcmDevice
{
public:
    virtual ~PcmDevice() = default;
    // Starts playing, replacing what was playing; false when nothing can be heard.
    virtual bool start(const QByteArray& pcm16Mono, int sampleRate) = 0;
    virtual void stop() = 0;
};

class MediaModule
{
public:
    virtual ~MediaModule() = default;
    // The voice of the program's language, already warming up in the background.
    virtual std::unique_ptr<Voice> createVoice() = 0;
    virtual std::unique_ptr<PcmDevice> createPcmDevice() = 0;
};

class DocumentModule
{
public:
    virtual ~DocumentModule() = default;
    // Asks for a printer, then prints the whole notebook on it.
    virtual void print(const Notebook& notebook, const NotebookOwner& owner, char decimalSeparator,
        QWidget* parent)
        = 0;
    // False when the file cannot be written.
    virtual bool savePdf(const Notebook& notebook, const NotebookOwner& owner,
        char decimalSeparator, const QString& path)
        = 0;
};

// Each module once loaded, or null when it cannot be: the first call loads it, from the
// program's folder or from the modules' folder of an installed copy.
MediaModule* mediaModule();
DocumentModule* documentModule();

} // namespace quorvel

// What each module exports, by its C name. A module keeps a core of its own: it is handed the
// program's language and the translator of its texts.
extern "C" {
using QuorvelMediaEntry = quorvel::MediaModule* (*)(quorvel::Language, quorvel::Translator);
using QuorvelDocumentEntry = quorvel::DocumentModule* (*)(quorvel::Language, quorvel::Translator);
}
