#pragma once

#include <QString>
#include <QtGlobal>

namespace corvanel::platform {

/**
 * How a document reaches the file chosen for it, by the rules the user's own
 * shell would follow: a file the user may not write is left alone, a writable
 * file is written even in a folder the user may not write, and a replaced file
 * keeps its mode and, where the user may set it, its group.
 *
 * The document is drawn into a part file, readable by its owner alone, and
 * takes the target's place only when it is a whole PDF, so a failure while
 * drawing leaves an earlier file as it was.
 */
class FileOutput
{
public:
    FileOutput() = default;
    ~FileOutput() { finish(false); }
    Q_DISABLE_COPY_MOVE(FileOutput)

    /** Prepares a document for @p chosen (a link stands for its target); false when it may not or cannot go there. */
    bool open(const QString& chosen);
    bool isOpen() const { return !m_partFile.isEmpty(); }
    /** Where the document is to be drawn meanwhile. */
    const QString& partFile() const { return m_partFile; }
    /** Ends the document: a whole one that was @p drawn takes the target's place; whether it did. */
    bool finish(bool drawn);

private:
    QString m_target;
    QString m_partFile;
    /** The part file is copied into the target's own file instead of moved over it. */
    bool m_inPlace = false;
};

} // namespace corvanel::platform
