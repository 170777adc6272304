#include "platform/qt/QtDownloader.h"

#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QObject>
#include <QUrl>
#include <span>

namespace tavrel::qt {

struct QtDownloader::Impl {
    Impl(const PictureCodec& c, Completion done, Warning warn)
        : codec(c), completion(std::move(done)), warning(std::move(warn)) {}

    // A location becomes a URL: web and file addresses as they are, anything else a local path.
    static QUrl UrlFor(const std::string& sTarget) {
        const QString target = QString::fromStdString(sTarget);
        const QUrl url(target, QUrl::StrictMode);
        const QString scheme = url.scheme().toLower();
        if (url.isValid() && (scheme == "http" || scheme == "https" || scheme == "file"))
            return url;
        return QUrl::fromLocalFile(QFileInfo(target).absoluteFilePath());
    }

    void Finish(QNetworkReply* reply, const std::string& sTarget, const std::string& sTag) {
        --outstanding;
        reply->deleteLater();
        const auto warn = [&](const QString& why) {
            if (warning)
                warning("tavrel: download of " + sTarget + " failed: " + why.toStdString());
        };
        if (reply->property("tavrelTooLarge").toBool())
            return warn(QStringLiteral("the body is larger than %1 bytes").arg(maxBytes));
        if (reply->error() != QNetworkReply::NoError) {
            const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
            if (status.isValid()) return warn(QStringLiteral("HTTP status %1").arg(status.toInt()));
            return warn(reply->errorString());
        }
        const QByteArray body = reply->readAll();
        const ErrorOr<Picture> picture = codec.FromBytes(std::span(
            reinterpret_cast<const uint8_t*>(body.constData()), static_cast<size_t>(body.size())));
        if (picture.IsError()) return warn(QString::fromStdString(picture.Error().sReason));
        if (completion) completion(sTag, picture.Value(), sTarget);
    }

    const PictureCodec& codec;
    Completion completion;
    Warning warning;
    QNetworkAccessManager manager;
    int outstanding = 0;
    int64_t maxBytes = kDefaultMaxBytes;
    int timeoutMs = kDefaultTimeoutMs;
};

QtDownloader::QtDownloader(const PictureCodec& codec, Completion completion, Warning warning)
    : impl_(std::make_unique<Impl>(codec, std::move(completion), std::move(warning))) {}

QtDownloader::~QtDownloader() {
    // Replies still running are aborted; their completions must not reach a control that is gone.
    for (QNetworkReply* reply : impl_->manager.findChildren<QNetworkReply*>()) {
        QObject::disconnect(reply, nullptr, nullptr, nullptr);
        reply->abort();
    }
}

ErrorOr<void> QtDownloader::Request(const std::string& sTarget, const std::string& sTag) {
    if (sTarget.empty()) return Failure{"no location to download from"};
    const QUrl url = Impl::UrlFor(sTarget);
    if (!url.isValid()) return Failure{"not a location: " + sTarget};
    QNetworkRequest request(url);
    request.setTransferTimeout(impl_->timeoutMs);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkReply* reply = impl_->manager.get(request);
    ++impl_->outstanding;
    Impl* impl = impl_.get();
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply,
                     [impl, reply](qint64 received, qint64 total) {
                         if (received > impl->maxBytes || total > impl->maxBytes) {
                             reply->setProperty("tavrelTooLarge", true);
                             reply->abort();
                         }
                     });
    QObject::connect(reply, &QNetworkReply::finished, reply,
                     [impl, reply, sTarget, sTag] { impl->Finish(reply, sTarget, sTag); });
    return {};
}

int QtDownloader::Outstanding() const {
    return impl_->outstanding;
}
void QtDownloader::SetMaxBytes(int64_t lMaxBytes) {
    impl_->maxBytes = lMaxBytes;
}
void QtDownloader::SetTimeoutMs(int lTimeoutMs) {
    impl_->timeoutMs = lTimeoutMs;
}

}  // namespace tavrel::qt
