// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/app/face_access.h"

#include "ui/app/caption_strip.h"
#include "ui/app/display_label.h"
#include "ui/app/key_label.h"
#include "ui/app/machine_face.h"

#include <QAccessibleWidget>
#include <QLabel>

namespace quorvel {
namespace {

constexpr const char* decorativeProperty = "quorvelDecorative";
AnnouncementListener listening = nullptr;

void announce(QAccessibleEvent& event)
{
    if (listening)
        listening(&event);
    QAccessible::updateAccessibility(&event);
}

// A key of the face: a button, named by its accessible name, that the reader can press.
class KeyAccessible : public QAccessibleWidget
{
public:
    explicit KeyAccessible(KeyLabel* key)
        : QAccessibleWidget(key, QAccessible::Button)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        const QString own = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && own.isEmpty())
            return key()->text();
        return own;
    }
    QStringList actionNames() const override
    {
        return QStringList(pressAction()) + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override
    {
        if (action == pressAction())
            key()->press();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    KeyLabel* key() const { return static_cast<KeyLabel*>(widget()); }
};

// An input or the output: text whose name carries the value it shows.
class DisplayAccessible : public QAccessibleWidget
{
public:
    explicit DisplayAccessible(DisplayLabel* display)
        : QAccessibleWidget(display, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return displayName(widget());
        if (t == QAccessible::Value)
            return static_cast<const DisplayLabel*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
    // The input the keyboard types into is the selected one.
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.selected = static_cast<const DisplayLabel*>(widget())->isSelected();
        return s;
    }
};

// The wizard's captions: text named by the sentence shown.
class CaptionAccessible : public QAccessibleWidget
{
public:
    explicit CaptionAccessible(CaptionStrip* strip)
        : QAccessibleWidget(strip, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<const CaptionStrip*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

// The face: its children without the decorative ones.
class FaceAccessible : public QAccessibleWidget
{
public:
    explicit FaceAccessible(MachineFace* face)
        : QAccessibleWidget(face, QAccessible::Pane)
    {
    }

    int childCount() const override { return static_cast<int>(shown().size()); }
    QAccessibleInterface* child(int index) const override
    {
        const QList<QWidget*> children = shown();
        if (index < 0 || index >= children.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(children[index]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (!child)
            return -1;
        return static_cast<int>(shown().indexOf(qobject_cast<QWidget*>(child->object())));
    }

private:
    QList<QWidget*> shown() const
    {
        QList<QWidget*> children;
        for (QWidget* w : widget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!w->isWindow() && !isDecorative(w))
                children.append(w);
        return children;
    }
};

QAccessibleInterface* faceFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("quorvel::KeyLabel"))
        return new KeyAccessible(static_cast<KeyLabel*>(object));
    if (className == QLatin1String("quorvel::DisplayLabel"))
        return new DisplayAccessible(static_cast<DisplayLabel*>(object));
    if (className == QLatin1String("quorvel::MachineFace"))
        return new FaceAccessible(static_cast<MachineFace*>(object));
    if (className == QLatin1String("quorvel::CaptionStrip"))
        return new CaptionAccessible(static_cast<CaptionStrip*>(object));
    return nullptr;
}

} // namespace

void installFaceAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(faceFactory);
        return true;
    }();
    (void)installed;
}

void markDecorative(QWidget* widget)
{
    widget->setProperty(decorativeProperty, true);
}

bool isDecorative(const QWidget* widget)
{
    return widget->property(decorativeProperty).toBool();
}

QString displayName(const QWidget* display)
{
    const QString value = static_cast<const QLabel*>(display)->text();
    const QString own = display->accessibleName();
    if (own.isEmpty() || value.isEmpty())
        return own.isEmpty() ? value : own;
    return own + ", " + value;
}

void announceValue(QWidget* display, const QString& value)
{
    if (!isReaderListening())
        return;
    QAccessibleEvent named(display, QAccessible::NameChanged);
    announce(named);
    QAccessibleValueChangeEvent changed(display, value);
    announce(changed);
}

void announceName(QWidget* label)
{
    if (!isReaderListening())
        return;
    QAccessibleEvent named(label, QAccessible::NameChanged);
    announce(named);
}

// The alert asks the reader to speak the sentence even though the focus is elsewhere.
void announceCaption(QWidget* strip)
{
    if (!isReaderListening())
        return;
    QAccessibleEvent named(strip, QAccessible::NameChanged);
    announce(named);
    QAccessibleEvent alert(strip, QAccessible::Alert);
    announce(alert);
}

void announceSelection(QWidget* display)
{
    if (!isReaderListening())
        return;
    QAccessible::State changed;
    changed.selected = true;
    QAccessibleStateChangeEvent event(display, changed);
    announce(event);
}

bool isReaderListening()
{
    return listening || QAccessible::isActive();
}

void listenToAnnouncements(AnnouncementListener listener)
{
    listening = listener;
}

} // namespace quorvel
