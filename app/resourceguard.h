#pragma once

#include <QQmlAbstractUrlInterceptor>
#include <QQmlNetworkAccessManagerFactory>
#include <QUrl>

class QQmlEngine;

// Keeps the scene's engine off the network and away from files that are not files: a picture
// it names must be a compiled-in resource or a regular local file, and any request it would
// send over the network is refused. The resource folder holds data anybody might have edited,
// and a named pipe in place of a picture would hang the window, a remote address give away that
// it runs.
class ResourceGuard : public QQmlAbstractUrlInterceptor, public QQmlNetworkAccessManagerFactory
{
public:
    // Installs the one guard of the program on an engine, before it loads anything.
    static void install(QQmlEngine *engine);

    static bool isAllowed(const QUrl &url);

    QUrl intercept(const QUrl &url, DataType type) override;
    QNetworkAccessManager *create(QObject *parent) override;
};
