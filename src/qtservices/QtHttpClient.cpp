#include "qtservices/QtHttpClient.h"

#include "platform/BlockingWait.h"

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

} // namespace

QtHttpClient::QtHttpClient(std::chrono::milliseconds timeout)
    : m_timeout(qMax(timeout, std::chrono::milliseconds(1)))
{
}

std::optional<QString> QtHttpClient::get(const QUrl& url)
{
    // A manager per fetch: no connection, cookie or cache outlives the check.
    QNetworkAccessManager manager;
    QNetworkRequest request(url);
    // The transfer time-out only fires after a silence; the deadline below bounds the whole transfer.
    request.setTransferTimeout(static_cast<int>(qMin<qint64>(m_timeout.count(), std::numeric_limits<int>::max())));
    request.setMaximumRedirectsAllowed(kMaxRedirects);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);

    QByteArray body;
    bool tooLarge = false;

    const std::unique_ptr<QNetworkReply> reply(manager.get(request));
    QNetworkReply* const transfer = reply.get();
    // Keeps Qt from reading far ahead of the size check.
    transfer->setReadBufferSize(kMaxBodyBytes + 1);

    // The connected copies of these outlive the lambdas themselves, so only the body and the flag,
    // declared before the reply, are captured by reference.
    auto refuseTooLarge = [&tooLarge, transfer] {
        tooLarge = true;
        transfer->abort();
    };
    // Takes what has arrived, stopping the transfer as soon as the body is larger than any version text.
    auto takeArrived = [&body, &tooLarge, transfer, refuseTooLarge] {
        if (tooLarge) {
            return;
        }
        if (body.size() + transfer->bytesAvailable() > kMaxBodyBytes) {
            refuseTooLarge();
            return;
        }
        body += transfer->readAll();
    };
    QObject::connect(transfer, &QNetworkReply::metaDataChanged, transfer, [transfer, refuseTooLarge] {
        const int status = transfer->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        const QVariant length = transfer->header(QNetworkRequest::ContentLengthHeader);
        if (!isRedirectStatus(status) && length.isValid() && length.toLongLong() > kMaxBodyBytes) {
            refuseTooLarge();
        }
    });
    QObject::connect(transfer, &QNetworkReply::readyRead, transfer, takeArrived);

    QTimer deadline;
    deadline.setSingleShot(true);
    // A coarse timer may fire up to 5 % early: three seconds of a minute.
    deadline.setTimerType(Qt::PreciseTimer);
    QObject::connect(&deadline, &QTimer::timeout, transfer, &QNetworkReply::abort);
    deadline.start(m_timeout);

    if (!transfer->isFinished()) {
        QEventLoop wait;
        QObject::connect(transfer, &QNetworkReply::finished, &wait, &QEventLoop::quit);
        const InputHold hold;
        const BlockingWait blocked;
        // Repaints and timers go on; the user's clicks and keys wait until the fetch has ended.
        wait.exec(QEventLoop::ExcludeUserInputEvents);
    }
    deadline.stop();

    const int status = transfer->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (tooLarge || transfer->error() != QNetworkReply::NoError || !isSuccessStatus(status)) {
        return std::nullopt;
    }
    takeArrived();
    if (tooLarge) {
        return std::nullopt;
    }
    // The decoder drops a leading byte order mark, which some editors write into text files.
    QStringDecoder decoder(QStringDecoder::Utf8);
    return QString(decoder.decode(body));
}

} // namespace corvanel::platform
