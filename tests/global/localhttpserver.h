#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSslCertificate>
#include <QTcpServer>
#include <QUrl>

class QTcpSocket;

// A small HTTP/1.1 responder on 127.0.0.1 for the update tests. Each path answers as its route
// says (unknown paths with 404), one request per connection, and every request is recorded.
// It speaks plain http, or https with a certificate made for 127.0.0.1 that only a test trusts.
class LocalHttpServer : public QObject
{
    Q_OBJECT

public:
    enum class Behaviour {
        Answer,
        CloseAtOnce,  // drops the connection without a word
        NeverAnswer,  // keeps the connection open and silent
        StallHalfway, // sends the headers and half the body, the rest only on release()
    };
    struct Route
    {
        Behaviour behaviour = Behaviour::Answer;
        int status = 200;
        QByteArray body;
        QByteArray location;
        bool sendLength = true; // without it the body simply ends when the connection closes
    };
    struct Request
    {
        QByteArray target;
        QHash<QByteArray, QByteArray> headers; // names in lower case
    };

    // The self-signed certificate of the https server, valid for 127.0.0.1 until 2126.
    static QSslCertificate certificate();

    bool listen(bool tls = false);
    QUrl url(const QString &path) const;
    void route(const QString &path, const Route &route);
    QList<Request> requests() const { return m_requests; }
    int requestCount(const QString &path) const;
    void release();

private:
    class Listener : public QTcpServer
    {
    public:
        bool tls = false;

    protected:
        void incomingConnection(qintptr descriptor) override;
    };

    void serve(QTcpSocket *socket, const QByteArray &head);

    Listener m_server;
    QHash<QString, Route> m_routes;
    QList<Request> m_requests;
    QList<QPair<QPointer<QTcpSocket>, QByteArray>> m_held;
};
