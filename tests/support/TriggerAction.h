#pragma once

#include <QAction>
#include <QString>
#include <QTest>
#include <QWidget>

namespace corvanel::test {

/**
 * Triggers the menu action named @p name in @p window. A missing or disabled
 * action fails the running test, naming the action, instead of crashing the
 * test program; use TRIGGER_ACTION, which also leaves the calling function then.
 */
[[nodiscard]] inline bool triggerAction(const QWidget& window, const QString& name, const char* file, int line)
{
    auto* action = window.findChild<QAction*>(name);
    if (!action || !action->isEnabled()) {
        const QString problem = action ? QStringLiteral("the action %1 is disabled") : QStringLiteral("no action %1");
        QTest::qFail(qPrintable(problem.arg(name)), file, line);
        return false;
    }
    action->trigger();
    return true;
}

} // namespace corvanel::test

#define TRIGGER_ACTION(window, name)                                                                                   \
    do {                                                                                                               \
        if (!corvanel::test::triggerAction((window), QString(name), __FILE__, __LINE__)) {                             \
            return;                                                                                                    \
        }                                                                                                              \
    } while (false)
