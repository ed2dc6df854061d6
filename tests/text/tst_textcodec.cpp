#include "common/testhome.h"
#include "text/document.h"
#include "text/loader.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

struct Run
{
    int exitCode = -1;
    QString output;
};

Run textcodec(const QStringList &arguments)
{
    QProcess process;
    process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/textcodec"), arguments);
    Run run;
    if (process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit)
        run.exitCode = process.exitCode();
    run.output
        = QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError());
    return run;
}

QByteArray document(int size)
{
    QByteArray bytes;
    for (int i = 0; bytes.size() < size; ++i)
        bytes += "### General;md" + QByteArray::number(i % 30 + 1) + "\nText "
                 + QByteArray::number(i) + ".\n";
    bytes.truncate(size);
    return bytes;
}

} // namespace

class TestTextcodec : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { startWithCleanHome(); }
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    // What the tool encodes is what the program reads.
    void programReadsEncodedOutput()
    {
        const QByteArray plain = document(30000) + "\n";
        write("plain.txt", plain);
        QCOMPARE(textcodec({"encode", path("plain.txt"), path("shipped.txt.enc")}).exitCode, 0);

        const Run check = textcodec({"check", path("shipped.txt.enc")});
        QCOMPARE(check.exitCode, 0);
        const text::Document reference(plain);
        QVERIFY2(
            check.output.contains(QStringLiteral("%1 entries").arg(reference.entries().size())),
            qPrintable(check.output));

        text::Loader loader;
        QSignalSpy spy(&loader, &text::Loader::documentLoaded);
        loader.load(path("shipped.txt"));
        QVERIFY(spy.wait(10000));
        std::unique_ptr<text::Document> loaded(spy.at(0).at(1).value<text::Document *>());
        QCOMPARE(loaded->entries(), reference.entries());
        QCOMPARE(loaded->getEntries({"general", "md7"}), reference.getEntries({"General", "md7"}));
    }

    // Refused or failed, the tool says so in its exit code and leaves its input as it was.
    void refusals_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");

        QTest::newRow("no arguments") << QStringList{} << 2;
        QTest::newRow("decode of a name without .enc") << QStringList{"decode", "doc.txt"} << 2;
        QTest::newRow("output over the input") << QStringList{"encode", "doc.txt", "doc.txt"} << 2;
        QTest::newRow("missing input") << QStringList{"encode", "missing.txt"} << 1;
        QTest::newRow("unwritable output")
            << QStringList{"encode", "doc.txt", "no/such/dir/x"} << 1;
    }

    void refusals()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        write("doc.txt", document(100));
        for (int i = 1; i < arguments.size(); ++i)
            arguments[i] = path(arguments.at(i));

        QCOMPARE(textcodec(arguments).exitCode, exitCode);
        QFile input(path("doc.txt"));
        QVERIFY(input.open(QIODevice::ReadOnly));
        QCOMPARE(input.readAll(), document(100));
    }

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    void write(const QString &name, const QByteArray &bytes)
    {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), qint64(bytes.size()));
    }

    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_GUILESS_MAIN(TestTextcodec)
#include "tst_textcodec.moc"
