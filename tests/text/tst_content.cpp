#include "common/testhome.h"
#include "global/object.h"
#include "text/document.h"
#include "text/loader.h"

#include <QSignalSpy>
#include <QtTest>

#include <memory>

// The shipped document answers every question the texts page asks: for each topic, the Moon's
// sign, its phase, the lunar day and the element day, exactly one entry each.
class TestContent : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyLookupFindsOneEntry_data();
    void everyLookupFindsOneEntry();

private:
    std::unique_ptr<text::Document> m_document;
};

void TestContent::initTestCase()
{
    startWithCleanHome();
    const QString file = global::Object::resourcePath() + QStringLiteral("text/vendarion.txt");
    QVERIFY2(QFile::exists(file) || QFile::exists(file + QStringLiteral(".enc")),
             qPrintable(QStringLiteral("%1 is missing, in both forms").arg(file)));
    text::Loader loader;
    QSignalSpy spy(&loader, &text::Loader::documentLoaded);
    loader.load(file);
    QVERIFY2(spy.wait(10000), qPrintable(QStringLiteral("%1 was not loaded").arg(file)));
    m_document.reset(spy.at(0).at(1).value<text::Document *>());
    QVERIFY(m_document->isValid());
}

void TestContent::everyLookupFindsOneEntry_data()
{
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QString>("key");

    const QStringList topics{"General",  "Mood",      "Health Nutrition", "Hair Care",
                             "Business", "Gardening", "Wedding",          "Born this day"};
    const QStringList signs{"Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
                            "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};
    const QStringList phases{"New Moon",  "Waxing Crescent", "First Quarter", "Waxing Gibbous",
                             "Full Moon", "Waning Gibbous",  "Third Quarter", "Waning Crescent"};
    const QStringList elements{"Warmth", "Coldness", "Light", "Water"};

    QStringList keys;
    for (const QString &sign : signs)
        keys.append(QStringLiteral("Moon@") + sign);
    keys += phases;
    for (int day = 1; day <= 30; ++day)
        keys.append(QStringLiteral("md%1").arg(day));
    keys += elements;
    QCOMPARE(topics.size() * keys.size(), 432);

    for (const QString &topic : topics) {
        for (const QString &key : keys)
            QTest::addRow("%s / %s", qPrintable(topic), qPrintable(key)) << topic << key;
    }
}

void TestContent::everyLookupFindsOneEntry()
{
    QFETCH(QString, topic);
    QFETCH(QString, key);
    const QStringList found = m_document->getEntries({topic, key});
    QCOMPARE(found.size(), 1);
    QVERIFY2(!found.first().trimmed().isEmpty(), "the entry has no text");
}

QTEST_GUILESS_MAIN(TestContent)
#include "tst_content.moc"
