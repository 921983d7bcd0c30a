#include "platform/qt/FileOutput.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvanel::platform {

namespace {

QByteArray nativePath(const QString& path)
{
    return QFile::encodeName(path);
}

/** The file a document for @p chosen really replaces: a link's target, not the link. */
QString replacedFile(const QString& chosen)
{
    const QFileInfo info(chosen);
    return info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
}

/**
 * Creates a new, empty, hidden file for @p fileName in @p folder that only its
 * owner may read: it will hold the target's content before the target's own
 * permissions are known to allow more. Its path, or empty when none can be made.
 */
QString createPartFile(const QDir& folder, const QString& fileName)
{
    for (int attempt = 0; attempt < 8; ++attempt) {
        const QString path = folder.filePath(QStringLiteral(".%1.%2.part")
                                                 .arg(fileName)
                                                 .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
        const int fd = ::open(nativePath(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0) {
            ::close(fd);
            return path;
        }
        if (errno != EEXIST) {
            break;
        }
    }
    return QString();
}

/**
 * Whether @p path holds a whole PDF as Qt writes one: it ends with "%%EOF", and
 * the cross-reference table starts at the offset the trailer names. A write
 * that failed part of the way (a full disk) leaves the file short and breaks
 * one or the other.
 */
bool isCompletePdf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 64) {
        return false;
    }
    const qint64 tailSize = qMin<qint64>(file.size(), 256);
    if (!file.seek(file.size() - tailSize)) {
        return false;
    }
    const QByteArray tail = file.read(tailSize).trimmed();
    const qsizetype start = tail.lastIndexOf("startxref");
    if (!tail.endsWith("%%EOF") || start < 0) {
        return false;
    }
    bool number = false;
    const qint64 offset = tail.mid(start + 9, tail.size() - 5 - start - 9).trimmed().toLongLong(&number);
    return number && offset > 0 && file.seek(offset) && file.read(4) == "xref";
}

/** Flushes @p path to the disk, where a late write error shows. */
bool syncToDisk(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadWrite) && ::fsync(file.handle()) == 0;
}

/** The permissions a new file gets from this process: everyone's read and write, less the umask. */
mode_t newFileMode()
{
    // The mask can only be read by setting it; it is set straight back.
    const mode_t mask = ::umask(077);
    ::umask(mask);
    return 0666 & ~mask;
}

/**
 * Gives @p partFile what @p target has: its group where the user may set it, and
 * its permissions; a new target gets a new file's permissions. Where the group
 * cannot be kept, the user's own group is given no access.
 */
bool takeOverAccess(const QString& partFile, const QString& target)
{
    struct stat existing = {};
    if (::stat(nativePath(target).constData(), &existing) != 0) {
        return ::chmod(nativePath(partFile).constData(), newFileMode()) == 0;
    }
    mode_t mode = existing.st_mode & 0777;
    if (::chown(nativePath(partFile).constData(), static_cast<uid_t>(-1), existing.st_gid) != 0) {
        mode &= ~S_IRWXG;
    }
    return ::chmod(nativePath(partFile).constData(), mode) == 0;
}

/** Writes @p partFile's content into @p target's own file, which keeps its owner, group and permissions. */
bool copyInto(const QString& partFile, const QString& target)
{
    QFile in(partFile);
    QFile out(target);
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(1 << 16);
        if (chunk.isEmpty() || out.write(chunk) != chunk.size()) {
            return false;
        }
    }
    return out.flush() && ::fsync(out.handle()) == 0;
}

} // namespace

bool FileOutput::open(const QString& chosen)
{
    finish(false);
    m_target = replacedFile(chosen);
    const QFileInfo info(m_target);
    struct stat existing = {};
    const bool exists = ::stat(nativePath(m_target).constData(), &existing) == 0;
    // Only a plain file is a document's place, and one the user may not write is not replaced:
    // whoever made it read-only, or shares it read-only, meant it to stay as it is.
    if (exists && (!S_ISREG(existing.st_mode) || ::access(nativePath(m_target).constData(), W_OK) != 0)) {
        return false;
    }
    // A file of the user's own, or a new one, is replaced in one step by a part file beside it.
    if (!exists || existing.st_uid == ::geteuid()) {
        m_partFile = createPartFile(info.dir(), info.fileName());
        m_inPlace = false;
    }
    if (m_partFile.isEmpty() && exists) {
        // Someone else's file (a moved-over one would become the user's, with the user's group), or
        // a folder the user may not write: the file itself is rewritten, as the shell's ">" does, and
        // keeps its owner, group and permissions. The document is drawn whole into a private file
        // first, so a failure while drawing changes nothing; but should copying it in fail (a full
        // disk), the file is left cut short, and there is no earlier copy to go back to.
        m_partFile = createPartFile(QDir(QDir::tempPath()), info.fileName());
        m_inPlace = true;
    }
    return !m_partFile.isEmpty();
}

bool FileOutput::finish(bool drawn)
{
    if (m_partFile.isEmpty()) {
        return false;
    }
    bool done = drawn && isCompletePdf(m_partFile);
    if (done && m_inPlace) {
        done = copyInto(m_partFile, m_target);
    } else if (done) {
        done = syncToDisk(m_partFile) && takeOverAccess(m_partFile, m_target)
            && std::rename(nativePath(m_partFile).constData(), nativePath(m_target).constData()) == 0;
    }
    if (!done || m_inPlace) {
        QFile::remove(m_partFile);
    }
    m_partFile.clear();
    m_target.clear();
    return done;
}

} // namespace corvanel::platform
