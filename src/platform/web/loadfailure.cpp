#include "loadfailure.h"

#include <QWebEngineLoadingInfo>

namespace loadfailure {

namespace {

// Chromium's network error codes met here.
enum NetError {
    Aborted = -3,
    FileNotFound = -6,
    BlockedByClient = -20,
    NetworkChanged = -21,
    ConnectionRefused = -102,
    NameNotResolved = -105,
    InternetDisconnected = -106,
    AddressUnreachable = -109,
    ConnectionTimedOut = -118,
    NameResolutionFailed = -137,
};

QString reason(const QWebEngineLoadingInfo &info)
{
    switch (info.errorCode()) {
    case FileNotFound:
        return QStringLiteral("找不到这个文件");
    case BlockedByClient:
        return QStringLiteral("课件里的网页只能打开它所在文件夹里的文件");
    case NetworkChanged:
    case NameNotResolved:
    case InternetDisconnected:
    case AddressUnreachable:
    case NameResolutionFailed:
        return QStringLiteral("没有网络连接");
    case ConnectionRefused:
    case ConnectionTimedOut:
        return QStringLiteral("网站没有应答");
    default:
        break;
    }
    switch (info.errorDomain()) {
    case QWebEngineLoadingInfo::DnsErrorDomain:
        return QStringLiteral("没有网络连接");
    case QWebEngineLoadingInfo::CertificateErrorDomain:
        return QStringLiteral("网站的安全证书有问题");
    case QWebEngineLoadingInfo::ConnectionErrorDomain:
        return QStringLiteral("网站没有应答");
    default:
        return QStringLiteral("错误代码 %1").arg(info.errorCode());
    }
}

} // namespace

QString describe(const QWebEngineLoadingInfo &info)
{
    if (info.status() != QWebEngineLoadingInfo::LoadFailedStatus || info.errorCode() == Aborted ||
        info.errorDomain() == QWebEngineLoadingInfo::HttpStatusCodeDomain)
        return {};
    return QStringLiteral("无法打开网页：%1\n%2")
        .arg(reason(info), info.url().toDisplayString(QUrl::PreferLocalFile));
}

} // namespace loadfailure
