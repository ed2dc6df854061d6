#include "common/qmlprobe.h"
#include "common/testhome.h"
#include "text/codec.h"
#include "text/document.h"
#include "text/loader.h"
#include "text/module.h"

#include <QQmlComponent>
#include <QQmlEngine>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThreadPool>
#include <QtTest>

#include <sys/stat.h>

#include <memory>

using Files = QMap<QString, QByteArray>;
Q_DECLARE_METATYPE(Files)

namespace {

const QByteArray plainDocument("### a\nPlain text\n");
const QByteArray otherDocument("### a\nEncoded text\n");

QByteArray encoded(const QByteArray &plain)
{
    return text::decode(plain, text::documentKey().toLatin1());
}

// The probe keeps the document it receives in the way that mode names, as a page would.
const QByteArray probeQml(R"(
import QtQml 2.15
import Text 1.0
QtObject {
    id: root
    property string path
    property string mode
    property TextDocument typed: null
    property var untyped: null
    property int received: 0
    property Connections connections: Connections {
        target: TextLoader
        function onDocumentLoaded(name, document) {
            if (name !== root.path)
                return;
            if (root.mode === "typed")
                root.typed = document;
            else if (root.mode === "var")
                root.untyped = document;
            root.received += 1;
        }
    }
    function start() { TextLoader.load(root.path) }
    function release() { typed = null; untyped = null }
    function lookup(keys) { return (typed || untyped).getEntries(keys) }
}
)");

// One full collection, and the deletions it scheduled.
void collectGarbage(QQmlEngine *engine)
{
    engine->collectGarbage();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TestLoader : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        startWithCleanHome();
        text::registerModule();
    }

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    void reads_data()
    {
        QTest::addColumn<Files>("files");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("plain file") << Files{{"vendarion.txt", plainDocument}} << "vendarion.txt"
                                    << QStringList{"Plain text"};
        QTest::newRow("only the encoded file")
            << Files{{"vendarion.txt.enc", encoded(otherDocument)}} << "vendarion.txt"
            << QStringList{"Encoded text"};
        QTest::newRow("both forms: the plain one wins")
            << Files{{"vendarion.txt", plainDocument},
                     {"vendarion.txt.enc", encoded(otherDocument)}}
            << "vendarion.txt" << QStringList{"Plain text"};
        QTest::newRow("encoded name given, in capitals")
            << Files{{"vendarion.ENC", encoded(otherDocument)}} << "vendarion.ENC"
            << QStringList{"Encoded text"};
        QTest::newRow("empty file")
            << Files{{"empty.txt", QByteArray()}} << "empty.txt" << QStringList{};
    }

    void reads()
    {
        QFETCH(Files, files);
        QFETCH(QString, name);
        QFETCH(QStringList, expected);
        write(files);

        text::Loader loader;
        QSignalSpy spy(&loader, &text::Loader::documentLoaded);
        loader.load(path(name));
        QVERIFY(spy.wait(10000));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toString(), path(name));

        std::unique_ptr<text::Document> document(spy.at(0).at(1).value<text::Document *>());
        QVERIFY(document);
        QVERIFY(document->isValid());
        QCOMPARE(document->getEntries({"A"}), expected);
        // Handed over ready for QML: no parent, in the receivers' thread, freed by the engine.
        QCOMPARE(document->parent(), nullptr);
        QCOMPARE(document->thread(), loader.thread());
        QCOMPARE(QQmlEngine::objectOwnership(document.get()), QQmlEngine::JavaScriptOwnership);
    }

    void languageFirst_data()
    {
        QTest::addColumn<Files>("files");
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("german");
        const Files files{{"vendarion.txt", plainDocument},
                          {"vendarion.de.txt.enc", encoded("### a\nDeutsch\n")}};
        QTest::newRow("the language's file, even encoded") << files << "de" << true;
        QTest::newRow("another language's file is not taken") << files << "fr" << false;
        QTest::newRow("a language that is no code is ignored") << files << "/de" << false;
    }

    // A language's document before the one without a language, which is in English.
    void languageFirst()
    {
        QFETCH(Files, files);
        QFETCH(QString, language);
        QFETCH(bool, german);
        write(files);
        text::Loader loader;
        QSignalSpy spy(&loader, &text::Loader::documentLoaded);
        loader.load(path("vendarion.txt"), language);
        QVERIFY(spy.wait(10000));
        std::unique_ptr<text::Document> document(spy.at(0).at(1).value<text::Document *>());
        QCOMPARE(document->language(), german ? "de" : "");
        QCOMPARE(document->getEntries({"A"}), QStringList(german ? "Deutsch" : "Plain text"));
    }

    void failures_data()
    {
        QTest::addColumn<QString>("name");

        QTest::newRow("missing file, no encoded form either") << "missing.txt";
        QTest::newRow("a folder") << "folder";
        QTest::newRow("a named pipe, not waited for") << "pipe.txt";
    }

    // A name that cannot be read logs one failure line and announces nothing.
    void failures()
    {
        QFETCH(QString, name);
        QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("folder")));
        QCOMPARE(::mkfifo(QFile::encodeName(path(QStringLiteral("pipe.txt"))).constData(), 0600),
                 0);

        text::Loader loader;
        QSignalSpy spy(&loader, &text::Loader::documentLoaded);
        QTest::ignoreMessage(QtDebugMsg,
                             qPrintable(QStringLiteral("Opening text file ") + path(name)));
        QTest::ignoreMessage(QtDebugMsg,
                             qPrintable(QStringLiteral("Failed to open file ") + path(name)));
        loader.load(path(name));
        QVERIFY(QThreadPool::globalInstance()->waitForDone(10000));
        QCoreApplication::processEvents();
        QCOMPARE(spy.count(), 0);
    }

    void twoLoadsTwoSignals()
    {
        write({{"one.txt", plainDocument}, {"two.txt.enc", encoded(otherDocument)}});
        text::Loader loader;
        QSignalSpy spy(&loader, &text::Loader::documentLoaded);
        loader.load(path("one.txt"));
        loader.load(path("two.txt"));
        QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 2, 10000);

        QMap<QString, QStringList> texts;
        for (const QList<QVariant> &signal : qAsConst(spy)) {
            std::unique_ptr<text::Document> document(signal.at(1).value<text::Document *>());
            texts.insert(signal.at(0).toString(), document->getEntries({"a"}));
        }
        QCOMPARE(texts.value(path("one.txt")), QStringList{"Plain text"});
        QCOMPARE(texts.value(path("two.txt")), QStringList{"Encoded text"});
    }

    // The loader goes while its loads run or wait: it must wait for them, and whatever they made
    // must not reach anyone afterwards (and, under the leak checker, must not leak).
    void destructionWaitsForLoads()
    {
        QByteArray large;
        for (int i = 0; i < 2000; ++i)
            large += "### General;md" + QByteArray::number(i % 30) + "\nSome text for the day.\n";
        write({{"large.txt", large}});

        int delivered = 0;
        {
            text::Loader loader;
            connect(&loader, &text::Loader::documentLoaded, this,
                    [&delivered](const QString &, text::Document *document) {
                        ++delivered;
                        delete document;
                    });
            for (int i = 0; i < 20; ++i)
                loader.load(path("large.txt"));
        }
        QCoreApplication::processEvents();
        QCOMPARE(delivered, 0);
        QVERIFY(QThreadPool::globalInstance()->waitForDone(10000));
    }

    // Nobody listens, so the loader frees the document itself; the leak checker of the sanitizer
    // build is what sees the difference.
    void unheardDocumentIsFreed()
    {
        write({{"vendarion.txt", plainDocument}});
        text::Loader loader;
        loader.load(path("vendarion.txt"));
        QVERIFY(QThreadPool::globalInstance()->waitForDone(10000));
        QCoreApplication::processEvents();
    }

    void qmlOwnership_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("kept");

        QTest::newRow("kept in a TextDocument property") << "typed" << true;
        QTest::newRow("kept in a var property") << "var" << true;
        QTest::newRow("looked at and dropped") << "drop" << false;
    }

    // QML keeps a document exactly as long as it refers to it, and frees it afterwards.
    void qmlOwnership()
    {
        QFETCH(QString, mode);
        QFETCH(bool, kept);
        write({{"vendarion.txt", plainDocument}});

        QQmlEngine engine;
        const std::unique_ptr<QObject> probe = createProbe(&engine, probeQml);
        QVERIFY(probe);
        probe->setProperty("path", path("vendarion.txt"));
        probe->setProperty("mode", mode);

        auto *loader
            = engine.singletonInstance<text::Loader *>(qmlTypeId("Text", 1, 0, "TextLoader"));
        QVERIFY(loader);
        QPointer<text::Document> document;
        connect(loader, &text::Loader::documentLoaded, this,
                [&document](const QString &, text::Document *loaded) { document = loaded; });

        QMetaObject::invokeMethod(probe.get(), "start");
        QTRY_COMPARE_WITH_TIMEOUT(probe->property("received").toInt(), 1, 10000);
        QVERIFY(document);

        if (kept) {
            for (int i = 0; i < 3; ++i)
                collectGarbage(&engine);
            QVERIFY(document);
            QVariant found;
            QVERIFY(QMetaObject::invokeMethod(probe.get(), "lookup", Q_RETURN_ARG(QVariant, found),
                                              Q_ARG(QVariant, QStringList{"A"})));
            QCOMPARE(found.toStringList(), QStringList{"Plain text"});
            QMetaObject::invokeMethod(probe.get(), "release");
        }
        QVERIFY(QTest::qWaitFor([&] {
            collectGarbage(&engine);
            return document.isNull();
        }));
    }

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    void write(const Files &files) const
    {
        for (auto file = files.cbegin(); file != files.cend(); ++file) {
            QFile out(path(file.key()));
            QVERIFY(out.open(QIODevice::WriteOnly));
            QCOMPARE(out.write(file.value()), qint64(file.value().size()));
        }
    }

    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_GUILESS_MAIN(TestLoader)
#include "tst_loader.moc"
