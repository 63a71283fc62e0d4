// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtHttpClient.h"

#include <QEventLoop>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

namespace kav::platform {
namespace {

HttpResponse::Failure failureOf(QNetworkReply::NetworkError error) {
    switch (error) {
    case QNetworkReply::NoError:
        return HttpResponse::Failure::None;
    case QNetworkReply::ConnectionRefusedError:
    case QNetworkReply::RemoteHostClosedError:
    case QNetworkReply::HostNotFoundError:
    case QNetworkReply::NetworkSessionFailedError:
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::UnknownNetworkError:
    case QNetworkReply::ProxyConnectionRefusedError:
    case QNetworkReply::ProxyConnectionClosedError:
    case QNetworkReply::ProxyNotFoundError:
        return HttpResponse::Failure::Connection;
    case QNetworkReply::TimeoutError:
    case QNetworkReply::ProxyTimeoutError:
        return HttpResponse::Failure::Timeout;
    case QNetworkReply::TooManyRedirectsError:
    case QNetworkReply::InsecureRedirectError:
        return HttpResponse::Failure::TooManyRedirects;
    default:
        return HttpResponse::Failure::Other;
    }
}

} // namespace

QtHttpClient::QtHttpClient() {
    // A proxy is only what the request names; the system's proxy settings do not apply.
    manager_.setProxy(QNetworkProxy::NoProxy);
}

HttpResponse QtHttpClient::get(const HttpRequest& request) {
    HttpResponse response;

    if (request.proxyHost.empty())
        manager_.setProxy(QNetworkProxy::NoProxy);
    else
        manager_.setProxy(QNetworkProxy(QNetworkProxy::HttpProxy,
                                        QString::fromStdString(request.proxyHost),
                                        static_cast<quint16>(request.proxyPort)));

    QNetworkRequest qrequest(QUrl(QString::fromStdString(request.url)));
    for (const auto& [name, value] : request.headers)
        qrequest.setRawHeader(QByteArray::fromStdString(name), QByteArray::fromStdString(value));
    qrequest.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                          QNetworkRequest::NoLessSafeRedirectPolicy);
    qrequest.setMaximumRedirectsAllowed(request.maxRedirects);
    // An inactivity time-out: it runs while connecting and restarts with every piece of
    // data. Qt reports it as OperationCanceledError, the same code as abort(), so our own
    // aborts are recorded in `ownAbort` to tell the two apart.
    qrequest.setTransferTimeout(request.timeoutMs);

    cancelled_ = false;
    bool tooLarge = false;
    bool pastDeadline = false;
    QNetworkReply* reply = manager_.get(qrequest);
    reply_ = reply;
    QByteArray body;
    // The transfer time-out restarts with every byte; this one does not.
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, reply, [&] {
        pastDeadline = true;
        reply->abort();
    });
    deadline.start(request.deadlineMs);

    const auto refuseWhenTooLarge = [&](qint64 announced) {
        if (announced >= 0 && static_cast<std::size_t>(announced) > request.maxBodyBytes &&
            !tooLarge) {
            tooLarge = true;
            reply->abort();
        }
    };
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [&] {
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid())
            refuseWhenTooLarge(length.toLongLong());
    });
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [&] {
        if (tooLarge)
            return;
        body += reply->readAll();
        refuseWhenTooLarge(body.size());
    });

    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished())
        loop.exec();
    // The application quitting ends every event loop, this one too, before the reply is
    // complete (and a loop started after that returns at once): such a request counts as
    // cancelled, so that no half-received body is taken for an answer.
    if (!reply->isFinished()) {
        cancelled_ = true;
        reply->abort();
    }
    if (!tooLarge && reply->isOpen())
        body += reply->readAll();

    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    response.statusCode = status.isValid() ? status.toInt() : 0;
    response.statusText =
        reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString().toStdString();
    const QVariant modified = reply->header(QNetworkRequest::LastModifiedHeader);
    if (modified.isValid() && modified.toDateTime().isValid())
        response.lastModified = modified.toDateTime().toSecsSinceEpoch();

    const QNetworkReply::NetworkError error = reply->error();
    if (tooLarge) {
        response.failure = HttpResponse::Failure::TooLarge;
        response.errorText =
            "Antwort größer als " + std::to_string(request.maxBodyBytes) + " Bytes";
    } else if (cancelled_) {
        response.failure = HttpResponse::Failure::Cancelled;
        response.errorText = reply->errorString().toStdString();
    } else if (pastDeadline) {
        response.failure = HttpResponse::Failure::Timeout;
        response.errorText = "keine vollständige Antwort innerhalb von " +
                             std::to_string(request.deadlineMs / 1000) + " s";
    } else if (error == QNetworkReply::OperationCanceledError) {
        // Not our abort: the transfer time-out fired.
        response.failure = HttpResponse::Failure::Timeout;
        response.errorText = "Zeitüberschreitung nach " + std::to_string(request.timeoutMs) + " ms";
    } else if (response.statusCode == 0 || error < QNetworkReply::ContentAccessDenied ||
               error == QNetworkReply::TooManyRedirectsError ||
               error == QNetworkReply::InsecureRedirectError) {
        // Transport errors; an HTTP error status (content and protocol errors with a
        // status code) is no failure of the transfer.
        response.failure = failureOf(error);
        response.errorText = reply->errorString().toStdString();
    }
    if (!response.failed())
        response.body = body.toStdString();

    reply_.clear();
    delete reply;
    return response;
}

void QtHttpClient::cancel() {
    if (reply_) {
        cancelled_ = true;
        reply_->abort();
    }
}

} // namespace kav::platform
