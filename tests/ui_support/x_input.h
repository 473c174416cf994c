#pragma once
// Real pointer clicks and key presses for the tests that run under an X
// server: xdotool sends them through the server, so they reach the program
// as a user's would, with the program's event loop running in between.

#include <QPoint>
#include <QProcess>
#include <QStringList>
#include <QTest>
#include <QWidget>

namespace rotavex::x_input {

// Runs xdotool with args and keeps the program's events flowing until it
// has finished; true when it ran and succeeded.
inline bool xdotool(const QStringList &args)
{
    QProcess tool;
    tool.start(QStringLiteral("xdotool"), args);
    if (!tool.waitForStarted())
        return false;
    if (!QTest::qWaitFor([&tool] { return tool.state() == QProcess::NotRunning; }, 10000))
        return false;
    // What the server sent last still has to arrive.
    QTest::qWait(150);
    return tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
}

// Clicks (or double-clicks) the left button at a point of a widget.
inline bool click(const QWidget *widget, QPoint at, int times = 1)
{
    const QPoint screen = widget->mapToGlobal(at);
    return xdotool({QStringLiteral("mousemove"), QString::number(screen.x()), QString::number(screen.y()),
                    QStringLiteral("click"), QStringLiteral("--repeat"), QString::number(times),
                    QStringLiteral("--delay"), QStringLiteral("80"), QStringLiteral("1")});
}

// Presses keys as xdotool names them ("ctrl+e").
inline bool key(const QString &keys) { return xdotool({QStringLiteral("key"), keys}); }

}   // namespace rotavex::x_input
