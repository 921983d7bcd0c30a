#include "qtservices/QtHttpClient.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QStringDecoder>
#include <QTimer>
#include <QUrl>

#include <limits>
#include <memory>
#include <vector>

namespace corvanel::platform {

namespace {

bool isUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
    case QEvent::NativeGesture:
        return true;
    default:
        return false;
    }
}

/**
 * Holds back, for its lifetime, the input that is posted or sent inside the
 * application, and hands it on afterwards. The wait's ExcludeUserInputEvents
 * already holds back what comes from the window system; this covers input
 * synthesised within the process (test and accessibility tools), so no click
 * can start another command while the fetch is under way.
 */
class InputHold : public QObject
{
public:
    InputHold() { QCoreApplication::instance()->installEventFilter(this); }

    ~InputHold() override
    {
        QCoreApplication::instance()->removeEventFilter(this);
        for (HeldEvent& held : m_held) {
            if (held.receiver) {
                QCoreApplication::postEvent(held.receiver, held.event.release());
            }
        }
    }

    Q_DISABLE_COPY_MOVE(InputHold)

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override
    {
        if (!isUserInput(event->type())) {
            return false;
        }
        m_held.push_back({receiver, std::unique_ptr<QEvent>(event->clone())});
        return true;
    }

private:
    struct HeldEvent
    {
        QPointer<QObject> receiver;
        std::unique_ptr<QEvent> event;
    };
    std::vector<HeldEvent> m_held;
};

bool isSuccessStatus(int status)
{
    return status >= 200 && status <= 299;
}

bool isRedirectStatus(int status)
{
    return status >= 300 && status <= 399;
}

QNetworkRequest boundedRequest(const QUrl& url, std::chrono::milliseconds timeout)
{
    QNetworkRequest request(url);
    // The transfer time-out only fires after a silence; the deadline in get() bounds the whole transfer.
    request.setTransferTimeout(static_cast<int>(qMin<qint64>(timeout.count(), std::numeric_limits<int>::max())));
    request.setMaximumRedirectsAllowed(QtHttpClient::kMaxRedirects);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    return request;
}

/**
 * The body of a transfer as it arrives, refused (and the transfer stopped) as soon as it is
 * larger than any version text. Its connections end with it, so the transfer may outlive it.
 */
class BoundedBody
{
public:
    explicit BoundedBody(QNetworkReply* transfer)
        : m_transfer(transfer)
    {
        // Keeps Qt from reading far ahead of the size check.
        transfer->setReadBufferSize(QtHttpClient::kMaxBodyBytes + 1);
        QObject::connect(transfer, &QNetworkReply::metaDataChanged, &m_receiver, [this] { checkAnnouncedLength(); });
        QObject::connect(transfer, &QNetworkReply::readyRead, &m_receiver, [this] { takeArrived(); });
    }

    Q_DISABLE_COPY_MOVE(BoundedBody)

    /** Takes what has arrived and not been taken yet. */
    void takeArrived()
    {
        if (m_tooLarge) {
            return;
        }
        if (m_body.size() + m_transfer->bytesAvailable() > QtHttpClient::kMaxBodyBytes) {
            refuse();
            return;
        }
        m_body += m_transfer->readAll();
    }

    bool tooLarge() const { return m_tooLarge; }
    const QByteArray& bytes() const { return m_body; }

private:
    void checkAnnouncedLength()
    {
        const int status = m_transfer->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        const QVariant length = m_transfer->header(QNetworkRequest::ContentLengthHeader);
        if (!isRedirectStatus(status) && length.isValid() && length.toLongLong() > QtHttpClient::kMaxBodyBytes) {
            refuse();
        }
    }

    void refuse()
    {
        m_tooLarge = true;
        m_transfer->abort();
    }

    QNetworkReply* m_transfer;
    QObject m_receiver;
    QByteArray m_body;
    bool m_tooLarge = false;
};

/** Waits for the transfer's end; repaints and timers go on, the user's clicks and keys wait. */
void waitUntilFinished(QNetworkReply* transfer)
{
    if (transfer->isFinished()) {
        return;
    }
    QEventLoop wait;
    QObject::connect(transfer, &QNetworkReply::finished, &wait, &QEventLoop::quit);
    const InputHold hold;
    wait.exec(QEventLoop::ExcludeUserInputEvents);
}

} // namespace

QtHttpClient::QtHttpClient(std::chrono::milliseconds timeout)
    : m_timeout(qMax(timeout, std::chrono::milliseconds(1)))
{
}

std::optional<QString> QtHttpClient::get(const QUrl& url)
{
    // A manager per fetch: no connection, cookie or cache outlives the check.
    QNetworkAccessManager manager;
    const std::unique_ptr<QNetworkReply> transfer(manager.get(boundedRequest(url, m_timeout)));
    BoundedBody body(transfer.get());

    QTimer deadline;
    deadline.setSingleShot(true);
    // A coarse timer may fire up to 5 % early: three seconds of a minute.
    deadline.setTimerType(Qt::PreciseTimer);
    QObject::connect(&deadline, &QTimer::timeout, transfer.get(), &QNetworkReply::abort);
    deadline.start(m_timeout);
    waitUntilFinished(transfer.get());
    deadline.stop();

    const int status = transfer->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (body.tooLarge() || transfer->error() != QNetworkReply::NoError || !isSuccessStatus(status)) {
        return std::nullopt;
    }
    body.takeArrived();
    if (body.tooLarge()) {
        return std::nullopt;
    }
    // The decoder drops a leading byte order mark, which some editors write into text files.
    QStringDecoder decoder(QStringDecoder::Utf8);
    return QString(decoder.decode(body.bytes()));
}

} // namespace corvanel::platform
