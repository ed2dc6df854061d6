#include "text/codec.h"
#include "text/document.h"

#include <QRandomGenerator>
#include <QtTest>

class TestDocument : public QObject
{
    Q_OBJECT

private slots:
    void lookups_data();
    void lookups();
    void safeMarkup_data();
    void safeMarkup();
    void entriesAndKeys();
    void decode_data();
    void decode();
};

void TestDocument::lookups_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QStringList>("expected");

    const QByteArray twoTopics("### mood\nMood only\n### mood;general\nBoth\n");
    const QByteArray mixed("### a;b\n1\n### b\n2\n### b;a\n3\n");

    // Headers and entries.
    QTest::newRow("header lines add up") << QByteArray("### mood\n### general\nBoth\n")
                                         << QStringList{"mood", "general"} << QStringList{"Both"};
    QTest::newRow("text before any header is untagged")
        << QByteArray("Preface\n### a\nA\n") << QStringList{"a"} << QStringList{"A"};
    QTest::newRow("header without blank after an entry")
        << QByteArray("### a\nA\n###b\nB\n") << QStringList{"b"} << QStringList{"B"};
    QTest::newRow("header without blank at the start skips a letter")
        << QByteArray("###general\nX\n") << QStringList{"eneral"} << QStringList{"X"};
    QTest::newRow("empty keys are keys")
        << QByteArray("### a;;b\nX\n") << QStringList{""} << QStringList{"X"};
    QTest::newRow("lone hash looks ahead for two more")
        << QByteArray("#x\n#y#z\nEntry\n") << QStringList{""} << QStringList{"Entry"};

    // What an entry's text holds.
    QTest::newRow("last entry loses only the last byte")
        << QByteArray("### a\nNo final line feed!") << QStringList{"a"}
        << QStringList{"No final line feed"};
    QTest::newRow("blank lines and carriage returns stay")
        << QByteArray("### a\r\n\r\nLine one\r\nLine two\r\n\r\n### b\nB\n") << QStringList{"a"}
        << QStringList{"\r\nLine one\r\nLine two\r\n\r"};
    QTest::newRow("invalid UTF-8 becomes replacement characters")
        << QByteArray("### a\n\xff ok\n") << QStringList{"a"} << QStringList{"\xef\xbf\xbd ok"};

    // NUL bytes end the document.
    QTest::newRow("NUL inside an entry keeps the text before it")
        << QByteArray("### a\nKept\0lost\n### b\nB\n", 24) << QStringList{"a"}
        << QStringList{"Kept"};
    QTest::newRow("NUL in a header's first key")
        << QByteArray("### a\0b\nX\n", 10) << QStringList{"a"} << QStringList{};
    QTest::newRow("NUL in a later key cuts that key")
        << QByteArray("### a;b\0c\nX\n", 12) << QStringList{"b"} << QStringList{"X"};

    // Keys asked for.
    QTest::newRow("white space and case do not matter")
        << QByteArray("### Health Nutrition\nX\n") << QStringList{"  health \t NUTRITION "}
        << QStringList{"X"};
    QTest::newRow("no blank matches a blank") << QByteArray("### Health Nutrition\nX\n")
                                              << QStringList{"HealthNutrition"} << QStringList{"X"};

    // Intersection.
    QTest::newRow("an entry lacking the second key is left out")
        << twoTopics << QStringList{"mood", "general"} << QStringList{"Both"};
    QTest::newRow("an unknown key empties the result")
        << twoTopics << QStringList{"mood", "general", "wedding"} << QStringList{};
    QTest::newRow("document order whatever the key order")
        << mixed << QStringList{"b", "a"} << QStringList{"1", "3"};

    QTest::newRow("a key repeated in its header tags once")
        << QByteArray("### a;A; a\n### a\nX\n") << QStringList{"a"} << QStringList{"X"};
    // Parsed in time linear in its length, or this row would take minutes.
    QByteArray longHeader("###");
    for (int k = 0; k < 160000; ++k)
        longHeader += " key" + QByteArray::number(k) + ';';
    QTest::newRow("a header of 160,000 keys")
        << longHeader + "\nX\n"
        << QStringList{"key159999", "key0"} << QStringList{"X"};

    QTest::newRow("a single hash") << QByteArray("#") << QStringList{""} << QStringList{};
}

void TestDocument::lookups()
{
    QFETCH(QByteArray, data);
    QFETCH(QStringList, keys);
    QFETCH(QStringList, expected);

    const text::Document document(data);
    QVERIFY(document.isValid());
    QCOMPARE(document.getEntries(keys), expected);
}

void TestDocument::safeMarkup_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");

    QTest::newRow("plain text") << "Sun & rain" << QStringLiteral("Sun & rain");
    QTest::newRow("formatting kept, attributes dropped")
        << "<B class=\"x\">bold</B><br/><p align=center>" << QStringLiteral("<b>bold</b><br><p>");
    QTest::newRow("remote image") << "a<img src=\"http://127.0.0.1/x.png\">b"
                                  << QStringLiteral("ab");
    QTest::newRow("style sheet") << "<link rel=stylesheet href=\"file:///etc/x.css\">x"
                                 << QStringLiteral("x");
    QTest::newRow("style attribute")
        << "<p style=\"background-image: url(http://127.0.0.1/)\">x</p>"
        << QStringLiteral("<p>x</p>");
    QTest::newRow("background attribute")
        << "<table background=\"/dev/zero\"><tr><td>x</td></tr></table>" << QStringLiteral("x");
    QTest::newRow("style block shown as text")
        << "<style>@import url(a.css);</style>" << QStringLiteral("@import url(a.css);");
    QTest::newRow("a greater-than inside an attribute")
        << "<img alt=\">\" src=\"x.png\">" << QStringLiteral("\" src=\"x.png\">");
    QTest::newRow("a less-than that opens no tag") << "1 < 2 <" << QStringLiteral("1 &lt; 2 &lt;");
}

void TestDocument::safeMarkup()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QCOMPARE(text::Document::safeMarkup(text), shown);
}

void TestDocument::entriesAndKeys()
{
    const text::Document document(QByteArray("Preface\n### a;B\nA\n### a\nB\n"));
    QCOMPARE(document.entries(), (QStringList{"Preface", "A", "B"}));
    QStringList keys = document.keys();
    keys.sort();
    QCOMPARE(keys, (QStringList{"a", "b"}));
}

void TestDocument::decode_data()
{
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<int>("size");

    const QByteArray key = text::documentKey().toLatin1();
    QCOMPARE(key.size(), 21);
    const int block = 500 * key.size();
    QTest::newRow("nothing") << key << 0;
    QTest::newRow("one byte over a block") << key << block + 1;
    QTest::newRow("a one-letter key") << QByteArray("x") << 1234;
}

// The format is defined block by block; since a block is a whole number of key lengths, every
// byte must come out XOR-ed with the key at its position in the whole file.
void TestDocument::decode()
{
    QFETCH(QByteArray, key);
    QFETCH(int, size);

    QRandomGenerator random(quint32(size) + 7);
    QByteArray plain(size, Qt::Uninitialized);
    for (char &byte : plain)
        byte = char(random.bounded(256));

    const QByteArray encoded = text::decode(plain, key);
    QCOMPARE(encoded.size(), size);
    for (int i = 0; i < size; ++i) {
        if (encoded.at(i) != char(plain.at(i) ^ key.at(i % key.size())))
            QFAIL(qPrintable(QStringLiteral("byte %1 is wrong").arg(i)));
    }
    QCOMPARE(text::decode(encoded, key), plain);
    QCOMPARE(text::decode(plain, QByteArray()), plain);
}

QTEST_APPLESS_MAIN(TestDocument)
#include "tst_document.moc"
