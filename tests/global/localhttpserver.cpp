#include "localhttpserver.h"

#include <QTcpSocket>

#include <memory>

bool LocalHttpServer::listen()
{
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            auto buffer = std::make_shared<QByteArray>();
            connect(socket, &QTcpSocket::readyRead, this, [this, socket, buffer] {
                if (buffer->contains("\r\n\r\n")) {
                    socket->readAll();
                    return;
                }
                buffer->append(socket->readAll());
                const int end = buffer->indexOf("\r\n\r\n");
                if (end >= 0)
                    serve(socket, buffer->left(end));
            });
        }
    });
    return m_server.listen(QHostAddress::LocalHost);
}

QUrl LocalHttpServer::url(const QString &path) const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path));
}

void LocalHttpServer::route(const QString &path, const Route &route)
{
    m_routes.insert(path, route);
}

int LocalHttpServer::requestCount(const QString &path) const
{
    int count = 0;
    for (const Request &request : m_requests)
        count += request.target == path.toUtf8();
    return count;
}

void LocalHttpServer::release()
{
    for (const auto &[socket, rest] : qAsConst(m_held)) {
        if (!socket)
            continue;
        socket->write(rest);
        socket->disconnectFromHost();
    }
    m_held.clear();
}

void LocalHttpServer::serve(QTcpSocket *socket, const QByteArray &head)
{
    const QList<QByteArray> lines = head.split('\n');
    Request request;
    request.target = lines.first().split(' ').value(1);
    for (int i = 1; i < lines.size(); ++i) {
        const int colon = lines[i].indexOf(':');
        if (colon > 0)
            request.headers.insert(lines[i].left(colon).trimmed().toLower(),
                                   lines[i].mid(colon + 1).trimmed());
    }
    m_requests.append(request);

    Route route;
    route.status = 404;
    route = m_routes.value(QString::fromUtf8(request.target), route);
    if (route.behaviour == Behaviour::CloseAtOnce) {
        socket->abort();
        return;
    }
    if (route.behaviour == Behaviour::NeverAnswer)
        return;

    QByteArray response = "HTTP/1.1 " + QByteArray::number(route.status)
                          + (route.status == 200 ? " OK" : " Status") + "\r\nConnection: close\r\n";
    if (route.sendLength)
        response += "Content-Length: " + QByteArray::number(route.body.size()) + "\r\n";
    if (!route.location.isEmpty())
        response += "Location: " + route.location + "\r\n";
    response += "\r\n";
    if (route.behaviour == Behaviour::StallHalfway) {
        const int half = route.body.size() / 2;
        socket->write(response + route.body.left(half));
        m_held.append({socket, route.body.mid(half)});
        return;
    }
    socket->write(response + route.body);
    socket->disconnectFromHost();
}
