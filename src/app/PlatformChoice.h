#pragma once

#include <QByteArray>

#include <vector>

namespace corvanel::app {

/**
 * What the desktop session offers, read before Qt starts.
 */
struct SessionFacts
{
    bool platformNamed = false; // the user named one: QT_QPA_PLATFORM or -platform
    bool waylandSession = false; // a Wayland compositor is there to be reached
    bool x11Reachable = false; // DISPLAY is set: an X server (XWayland on a Wayland desktop)
    bool compositorDrawsFrames = false; // the compositor offers to draw window frames
};

/**
 * The Qt platform the program asks for in @p facts' session; empty to leave
 * the choice to Qt (the user's choice, or a session with one way only).
 */
QByteArray choosePlatform(const SessionFacts& facts);

/**
 * Whether the Wayland compositor at @p socketPath announces the protocol by
 * which a program asks it to draw the window frames. A quick conversation on
 * the socket; false when it cannot be had within a short time.
 */
bool compositorDrawsFrames(const QByteArray& socketPath);

/**
 * Reads the session from the environment and @p argv, asks the compositor
 * when that decides the matter, and returns the platform to pass to
 * QApplication as -platform (empty: none). Cheap: a few environment
 * variables, and on a Wayland desktop with XWayland one round trip.
 */
QByteArray platformForThisSession(int argc, char** argv);

/** The program's arguments for QApplication, with -platform added where one was chosen. */
class StartArguments
{
public:
    StartArguments(int argc, char** argv);

    int& count() { return m_count; }
    char** values() { return m_values.data(); }

private:
    QByteArray m_platformOption = "-platform";
    QByteArray m_platform;
    std::vector<char*> m_values;
    int m_count = 0;
};

} // namespace corvanel::app
