#include "app/resourceguard.h"

#include "app/logging.h"

#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkRequest>
#include <QQmlEngine>

namespace {

void logRefusal(const QUrl &url)
{
    qCDebug(lcApp).noquote()
        << QStringLiteral("refusing to load %1: neither a resource nor a regular local file")
               .arg(url.toString());
}

// Every request the scene's engine makes is checked; one that is refused goes to a scheme no
// handler knows, so it ends at once with an error and sends nothing.
class CheckingNetworkAccessManager : public QNetworkAccessManager
{
public:
    using QNetworkAccessManager::QNetworkAccessManager;

protected:
    QNetworkReply *createRequest(Operation operation, const QNetworkRequest &request,
                                 QIODevice *data) override
    {
        if (ResourceGuard::isAllowed(request.url()))
            return QNetworkAccessManager::createRequest(operation, request, data);
        logRefusal(request.url());
        return QNetworkAccessManager::createRequest(
            operation, QNetworkRequest(QUrl(QStringLiteral("refused:"))), data);
    }
};

} // namespace

void ResourceGuard::install(QQmlEngine *engine)
{
    // Outlives every engine: they neither own nor let go of it.
    static ResourceGuard guard;
    engine->setUrlInterceptor(&guard);
    engine->setNetworkAccessManagerFactory(&guard);
}

bool ResourceGuard::isAllowed(const QUrl &url)
{
    // Compiled-in files and pictures drawn by the program itself.
    if (url.scheme() == QLatin1String("qrc") || url.scheme() == QLatin1String("image"))
        return true;
    return url.isLocalFile() && QFileInfo(url.toLocalFile()).isFile();
}

QUrl ResourceGuard::intercept(const QUrl &url, DataType type)
{
    // The scene's own documents and the framework's modules come as other types.
    if (type != UrlString || url.isEmpty() || isAllowed(url))
        return url;
    logRefusal(url);
    return QUrl();
}

QNetworkAccessManager *ResourceGuard::create(QObject *parent)
{
    return new CheckingNetworkAccessManager(parent);
}
