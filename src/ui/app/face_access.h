// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QAccessibleEvent;
class QString;
class QWidget;

namespace quorvel {

// What a screen reader finds on the machine's face. The face draws its own keys and displays,
// so it tells the reader what they are: the keys are buttons that a reader can press, the
// displays are text read with their value, and the lights, the clip and the hidden copies
// the mechanisms read are left out, as pictures that say nothing.
void installFaceAccessibility();

// Leaves a control of the face out of what the reader finds.
void markDecorative(QWidget* widget);
bool isDecorative(const QWidget* widget);

// The reader's name of a display: its own name and the value it shows ("uscita, 42").
QString displayName(const QWidget* display);

// Tell a screen reader that a control shows something new: a display's value, a label's
// text, one of the wizard's sentences.
void announceValue(QWidget* display, const QString& value);
void announceName(QWidget* label);
void announceCaption(QWidget* strip);
// The input framed for the keyboard changed: the reader hears which one is selected.
void announceSelection(QWidget* display);

// Whether a screen reader (or a listener below) hears the announcements.
bool isReaderListening();

// Every announcement of the face also goes to this listener (none by default). Qt hands its
// events to a reader only while one is running; the window's tests listen here instead.
using AnnouncementListener = void (*)(QAccessibleEvent* event);
void listenToAnnouncements(AnnouncementListener listener);

} // namespace quorvel
