// The shipped translations against the scene's texts as lupdate finds them today: each
// translation holds every text, finished, with the placeholders of its source.
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

// Context and source text -> translation, and whether lupdate or a translator left it unfinished.
struct Message
{
    QString translation;
    bool finished = true;
};
using Messages = QMap<QString, Message>;

Messages read(const QString &file)
{
    Messages messages;
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&in);
    QString context, source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            Message &message = messages[context + QLatin1Char('|') + source];
            message.finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            message.translation = xml.readElementText();
        }
    }
    return messages;
}

QStringList placeholders(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%\\d"));
    QStringList found;
    for (auto it = marker.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    found.sort();
    return found;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void complete_data();
    void complete();

private:
    QTemporaryDir m_dir;
    Messages m_scene;
};

void TestTranslations::initTestCase()
{
    QVERIFY(m_dir.isValid());
    const QString fresh = m_dir.filePath(QStringLiteral("scene.ts"));
    QProcess lupdate;
    lupdate.setWorkingDirectory(QStringLiteral(SOURCE_DIR));
    lupdate.start(QStringLiteral(LUPDATE), {QStringLiteral("-locations"), QStringLiteral("none"),
                                             QStringLiteral("qml"), QStringLiteral("-ts"), fresh});
    QVERIFY(lupdate.waitForFinished(60000));
    QCOMPARE(lupdate.exitCode(), 0);
    m_scene = read(fresh);
    QVERIFY(m_scene.size() > 50);
}

void TestTranslations::complete_data()
{
    QTest::addColumn<QString>("file");
    const QDir folder(QStringLiteral(SOURCE_DIR "/translations"));
    const QStringList files = folder.entryList({QStringLiteral("vendarion_*.ts")});
    QVERIFY(files.size() >= 4);
    for (const QString &file : files)
        QTest::newRow(qPrintable(file)) << folder.filePath(file);
}

void TestTranslations::complete()
{
    QFETCH(QString, file);
    const Messages shipped = read(file);
    QStringList faults;
    for (auto it = m_scene.cbegin(); it != m_scene.cend(); ++it) {
        const QString source = it.key().section(QLatin1Char('|'), 1);
        if (!shipped.contains(it.key()))
            faults << QStringLiteral("missing: ") + it.key();
        else if (!shipped[it.key()].finished || shipped[it.key()].translation.isEmpty())
            faults << QStringLiteral("unfinished: ") + it.key();
        else if (placeholders(shipped[it.key()].translation) != placeholders(source))
            faults << QStringLiteral("placeholders differ: ") + it.key();
    }
    for (auto it = shipped.cbegin(); it != shipped.cend(); ++it) {
        if (!m_scene.contains(it.key()))
            faults << QStringLiteral("no longer in the scene: ") + it.key();
    }
    // The cure for the first and last kind: cmake --build build --target update_translations.
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
