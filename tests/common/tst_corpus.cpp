#include <QDir>
#include <QtTest>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

// Replays the fuzzing corpus through the fuzz target's checks, one row per file, so the inputs
// that once found or nearly found a fault keep being tried by every build.
class TestCorpus : public QObject
{
    Q_OBJECT

private slots:
    void corpusIsThere();
    void replay_data();
    void replay();
};

void TestCorpus::corpusIsThere()
{
    QVERIFY(!QDir(QStringLiteral(VENDARION_CORPUS)).entryList(QDir::Files).isEmpty());
}

void TestCorpus::replay_data()
{
    QTest::addColumn<QString>("file");
    const QDir corpus(QStringLiteral(VENDARION_CORPUS));
    for (const QString &name : corpus.entryList(QDir::Files, QDir::Name))
        QTest::newRow(qPrintable(name)) << corpus.filePath(name);
}

void TestCorpus::replay()
{
    QFETCH(QString, file);
    QFile input(file);
    QVERIFY(input.open(QIODevice::ReadOnly));
    const QByteArray bytes = input.readAll();
    // An exact-size copy, so the sanitizers see reads past the end as in the fuzzer.
    std::vector<uint8_t> exact(bytes.cbegin(), bytes.cend());
    QCOMPARE(LLVMFuzzerTestOneInput(exact.data(), exact.size()), 0);
}

QTEST_APPLESS_MAIN(TestCorpus)
#include "tst_corpus.moc"
