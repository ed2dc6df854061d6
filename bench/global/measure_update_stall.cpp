// How long the event loop stalls while the update service downloads an installer of the largest
// size it accepts. A server on 127.0.0.1, on a thread of its own so that its writing is not
// counted, answers the check with the installer's SHA-256 and then sends the installer; a 1 ms
// timer on the main thread records the longest gap between two of its ticks from the request
// of the download to the hand-over, and for comparison over two seconds of idle loop before. The
// installer and the settings are written to a temporary folder that is removed at the end.
//
//   measure_update_stall [MEBIBYTES]    (default: the largest size accepted)

#include "bench/loopstall.h"
#include "global/object.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QNetworkAccessManager>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <thread>

namespace {

constexpr qint64 Block = 1024 * 1024;

bool sendAll(int fd, const char *data, qint64 size)
{
    while (size > 0) {
        const ssize_t sent = ::send(fd, data, size_t(size), MSG_NOSIGNAL);
        if (sent <= 0)
            return false;
        data += sent;
        size -= sent;
    }
    return true;
}

// Answers one request per connection: "/latest" with the answer, anything else with the body,
// `blocks` times the block.
void serve(int listener, QByteArray answer, QByteArray block, qint64 blocks)
{
    for (int served = 0; served < 2; ++served) {
        const int fd = ::accept(listener, nullptr, nullptr);
        if (fd < 0)
            return;
        QByteArray head;
        char buffer[4096];
        while (!head.contains("\r\n\r\n")) {
            const ssize_t got = ::recv(fd, buffer, sizeof buffer, 0);
            if (got <= 0)
                break;
            head.append(buffer, int(got));
        }
        const bool check = head.startsWith("GET /latest ");
        const qint64 length = check ? answer.size() : blocks * block.size();
        const QByteArray header = "HTTP/1.1 200 OK\r\nConnection: close\r\nContent-Length: "
                                  + QByteArray::number(length) + "\r\n\r\n";
        bool ok = sendAll(fd, header.constData(), header.size());
        if (check)
            ok = ok && sendAll(fd, answer.constData(), answer.size());
        for (qint64 i = 0; ok && !check && i < blocks; ++i)
            ok = sendAll(fd, block.constData(), block.size());
        ::close(fd);
    }
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const qint64 blocks
        = argc > 1 ? QByteArray(argv[1]).toLongLong() : global::update::MaxInstallerBytes / Block;
    // The installer and the settings of this run go to a folder of its own.
    QTemporaryDir temporary;
    qputenv("TMPDIR", QFile::encodeName(temporary.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(temporary.path()));

    QByteArray block(int(Block), Qt::Uninitialized);
    QRandomGenerator random(1);
    for (char &c : block)
        c = char(random.bounded(256));
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (qint64 i = 0; i < blocks; ++i)
        hash.addData(block);
    const QByteArray answer = "30200," + hash.result().toHex();

    const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    if (::bind(listener, reinterpret_cast<sockaddr *>(&address), size) != 0
        || ::listen(listener, 4) != 0
        || ::getsockname(listener, reinterpret_cast<sockaddr *>(&address), &size) != 0) {
        std::perror("listen");
        return 1;
    }
    std::thread server(serve, listener, answer, block, blocks);
    const QString base = QStringLiteral("http://127.0.0.1:%1").arg(ntohs(address.sin_port));

    QNetworkAccessManager manager;
    global::Object object;
    global::update::Seam seam;
    seam.manager = &manager;
    seam.checkUrl = QUrl(base + QStringLiteral("/latest"));
    seam.installerUrl = QUrl(base + QStringLiteral("/installer"));
    seam.allowLoopbackHttp = true;
    seam.today = [] { return QDate(2000, 1, 1); };
    seam.openUrl = [](const QUrl &) { return true; };
    object.setUpdateSeamForTesting(seam);

    LoopStallProbe probe;
    // The same probe on an idle loop first: what the machine's other load alone costs.
    probe.start(1);
    QTimer::singleShot(2000, &app, &QCoreApplication::quit);
    app.exec();
    const qint64 idleGap = probe.longest();
    QElapsedTimer clock;

    bool success = false;
    QObject::connect(&object, &global::Object::updateAvailable, [&] {
        clock.start();
        probe.start(1);
        object.update();
    });
    QObject::connect(&object, &global::Object::updateFinished, [&](bool ok) {
        success = ok;
        app.quit();
    });
    object.checkForUpdates();
    app.exec();
    const qint64 total = clock.elapsed();
    server.join();
    ::close(listener);

    std::printf("%s: %lld MiB in %.2f s, longest event-loop stall %lld ms, %d over 50 ms "
                "(idle loop: %lld ms)\n",
                success ? "handed over" : "FAILED", blocks, total / 1000.0, probe.longest(),
                probe.overLimit(), idleGap);
    return success ? 0 : 1;
}
