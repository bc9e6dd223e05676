#pragma once
// What a screen reader is told: the accessibility events a window sends, seen
// through Qt's update handler while a log exists.
#include <QAccessible>
#include <QGuiApplication>
#include <QStringList>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <private/qguiapplication_p.h>
#include <QVariant>
#include <vector>

struct AccessEvent {
    QAccessible::Event type;
    QAccessible::Role role;
    int child;
    QString name; // of the object the event is about; for an announcement its message
    QVariant value;
    bool announced = false; // an announcement (Qt 6.8)
};

class AccessLog {
public:
    AccessLog()
    {
        current() = this;
        QAccessible::installUpdateHandler(&AccessLog::handle);
        // As when a screen reader listens: Qt hands on its events only then.
        set_listening(true);
    }
    ~AccessLog()
    {
        set_listening(false);
        QAccessible::installUpdateHandler(nullptr);
        current() = nullptr;
    }

    std::vector<AccessEvent> events;

    // What is said without the focus: announcements (Qt 6.8), else notifications shown anew.
    QStringList spoken() const
    {
        QStringList texts;
        for (const AccessEvent& e : events) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
            if (e.announced)
                texts << e.name;
#else
            if (e.type == QAccessible::ObjectShow && e.role == QAccessible::Notification)
                texts << e.name;
#endif
        }
        return texts;
    }
    // The names told as changed for children of a role (the board's cells: QAccessible::Table).
    QStringList renamed_children(QAccessible::Role parent_role) const
    {
        QStringList names;
        for (const AccessEvent& e : events)
            if (e.type == QAccessible::NameChanged && e.child >= 0 && e.role == parent_role)
                names << QString::number(e.child) + QLatin1Char('=') + e.name;
        return names;
    }

private:
    static void set_listening(bool on)
    {
        if (QPlatformAccessibility* platform = QGuiApplicationPrivate::platformIntegration()->accessibility())
            platform->setActive(on);
    }
    static AccessLog*& current()
    {
        static AccessLog* log = nullptr;
        return log;
    }
    static void handle(QAccessibleEvent* event)
    {
        AccessLog* log = current();
        const QAccessible::Event type = event->type();
        // Objects being made or unmade are not asked about: that would cache them half-built.
        if (!log || type == QAccessible::ObjectCreated || type == QAccessible::ObjectDestroyed
            || type == QAccessible::ParentChanged)
            return;
        AccessEvent e{type, QAccessible::NoRole, event->child(), QString(), QVariant()};
        if (QAccessibleInterface* iface = event->accessibleInterface()) {
            e.name = iface->text(QAccessible::Name);
            // For a child, the role of the object that holds it.
            QAccessibleInterface* holder = e.child >= 0 ? iface->parent() : iface;
            e.role = holder ? holder->role() : iface->role();
        }
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        if (auto* announcement = dynamic_cast<QAccessibleAnnouncementEvent*>(event)) {
            e.name = announcement->message();
            e.announced = true;
        }
#endif
        if (type == QAccessible::ValueChanged)
            e.value = static_cast<QAccessibleValueChangeEvent*>(event)->value();
        log->events.push_back(e);
    }
};
