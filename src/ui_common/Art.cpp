#include "ui_common/Art.h"

#include <QApplication>
#include <QDir>
#include <QIconEngine>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QResource>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>
#include <memory>
#include <vector>

// The pieces no window shows at start, bundled apart (see CMakeLists.txt).
extern "C" const unsigned char corvanel_later_art[];

namespace corvanel::ui {

namespace {

/** One picture of a piece: drawn for a size (logical pixels) at a scale (1 or 2). */
struct Rendition
{
    QSize size;
    QSize pixels;
    QString file;
};

/**
 * Registers the bundle of the art a start at scale factor 1 does not show: the pieces of the
 * other windows and every picture for scale factor 2. Until then its pages are not even mapped.
 */
void readLaterArt()
{
    static const bool registered = QResource::registerResource(corvanel_later_art);
    Q_UNUSED(registered);
}

bool covers(const QSize& picture, const QSize& pixels)
{
    return picture.width() >= pixels.width() && picture.height() >= pixels.height();
}

/** The renditions in a piece's folder, which holds one PNG per size and scale, named by them. */
std::vector<Rendition> renditionsIn(const QString& path)
{
    const QDir folder(path);
    std::vector<Rendition> renditions;
    const QStringList files = folder.entryList(QDir::Files, QDir::Name);
    for (const QString& file : files) {
        if (!file.endsWith(u".png")) {
            continue;
        }
        QStringView stem = QStringView(file).chopped(4);
        const bool doubled = stem.endsWith(u"@2x");
        if (doubled) {
            stem.chop(3);
        }
        const qsizetype cross = stem.indexOf(u'x');
        bool widthOk = false;
        bool heightOk = false;
        const QSize size(stem.left(cross).toInt(&widthOk), stem.mid(cross + 1).toInt(&heightOk));
        if (cross > 0 && widthOk && heightOk) {
            renditions.push_back({size, size * (doubled ? 2 : 1), folder.filePath(file)});
        }
    }
    return renditions;
}

/**
 * Serves a piece's renditions, each decoded when it is asked for. Nothing is kept: the
 * pictures are a few hundred bytes of PNG, and the window icon's are needed only once.
 * availableSizes() tells the sizes drawn for scale factor 1, which the window system is sent.
 */
class ArtIconEngine final : public QIconEngine
{
public:
    ArtIconEngine(QString folder, std::vector<Rendition> renditions)
        : m_folder(std::move(folder))
        , m_renditions(std::move(renditions))
    {
    }

    ArtIconEngine(const ArtIconEngine&) = default;
    ArtIconEngine& operator=(const ArtIconEngine&) = delete;

    QIconEngine* clone() const override { return new ArtIconEngine(*this); }
    QString key() const override { return QStringLiteral("corvanel-art"); }
    bool isNull() override { return m_renditions.empty(); }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (const Rendition& rendition : m_renditions) {
            if (rendition.pixels == rendition.size) {
                sizes.append(rendition.size);
            }
        }
        return sizes;
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        const std::size_t index = bestAfterReading(size);
        if (index == m_renditions.size()) {
            return {};
        }
        const QSize pixels = m_renditions[index].pixels;
        return pixels.width() <= size.width() && pixels.height() <= size.height()
            ? pixels
            : pixels.scaled(size, Qt::KeepAspectRatio);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override
    {
        const std::size_t index = bestAfterReading(size);
        if (index == m_renditions.size()) {
            return {};
        }
        // Read past QPixmap::load, which would keep every picture in the pixmap cache.
        QPixmap picture = QPixmap::fromImage(readPng(m_renditions[index].file));
        if (picture.width() > size.width() || picture.height() > size.height()) {
            picture = picture.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        }
        if (mode != QIcon::Normal && qobject_cast<QApplication*>(QCoreApplication::instance())) {
            // Disabled and selected looks come from the style, as for any icon.
            QStyleOption option;
            option.palette = QApplication::palette();
            picture = QApplication::style()->generatedIconPixmap(mode, picture, &option);
        }
        return picture;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal scale = painter->device() ? painter->device()->devicePixelRatioF() : qApp->devicePixelRatio();
        painter->drawPixmap(rect, pixmap(rect.size() * scale, mode, state));
    }

private:
    /** As bestFor(), after reading the later art if no picture at hand covers @p pixels. */
    std::size_t bestAfterReading(const QSize& pixels)
    {
        const std::size_t best = bestFor(pixels);
        if ((best < m_renditions.size() && covers(m_renditions[best].pixels, pixels)) || m_laterRead) {
            return best;
        }
        readLaterArt();
        m_laterRead = true;
        m_renditions = renditionsIn(m_folder);
        return bestFor(pixels);
    }

    /** The smallest picture that covers @p pixels, else the largest; end() when there is none. */
    std::size_t bestFor(const QSize& pixels) const
    {
        std::size_t best = m_renditions.size();
        for (std::size_t i = 0; i < m_renditions.size(); ++i) {
            const QSize candidate = m_renditions[i].pixels;
            if (best == m_renditions.size()) {
                best = i;
                continue;
            }
            const QSize current = m_renditions[best].pixels;
            const bool candidateCovers = covers(candidate, pixels);
            const bool currentCovers = covers(current, pixels);
            const qint64 candidateArea = qint64(candidate.width()) * candidate.height();
            const qint64 currentArea = qint64(current.width()) * current.height();
            if (candidateCovers != currentCovers
                    ? candidateCovers
                    : (candidateCovers ? candidateArea < currentArea : candidateArea > currentArea)) {
                best = i;
            }
        }
        return best;
    }

    QString m_folder;
    std::vector<Rendition> m_renditions;
    bool m_laterRead = false;
};

} // namespace

QIcon artIcon(QStringView name)
{
    const QString folder = QStringLiteral(":/art/") + name.toString();
    std::vector<Rendition> renditions = renditionsIn(folder);
    if (renditions.empty()) {
        readLaterArt();
        renditions = renditionsIn(folder);
    }
    if (renditions.empty()) {
        return {};
    }
    return QIcon(new ArtIconEngine(folder, std::move(renditions)));
}

QImage readPng(const QString& file)
{
    QImageReader reader(file, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

} // namespace corvanel::ui
