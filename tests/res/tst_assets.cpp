#include "common/logcapture.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QSvgRenderer>
#include <QtTest>

namespace {

// Where the settings page puts a place on its map: longitude -170 at the left edge, 10 E on the
// centre line, the poles at top and bottom. Longitudes west of -170 wrap to the right edge.
QPointF mapPoint(double longitude, double latitude, double width, double height)
{
    if (longitude < -170.0)
        longitude += 360.0;
    return {width / 2 + width / 360 * longitude - width / 36, height / 2 - height / 180 * latitude};
}

const int MapScale = 3; // render the map at three times its design size
const QSize MapDesignSize(300, 200);

} // namespace

// Checks the fonts and pictures of the resource folder as the scene uses them: the families it
// names, the glyphs it draws, the line metrics it lays out with, the moon disc its phase shadow
// is drawn over and the map projection its markers are placed with.
class TestAssets : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        // Loaded as the scene loads them, before anything asks for their families.
        for (const char *file : {"fonts/fontawesome-webfont.ttf", "fonts/pt-sans.ttf",
                                 "fonts/pt-sans-bold.ttf", "fonts/vendarion.ttf"}) {
            const int id = QFontDatabase::addApplicationFont(resource(QLatin1String(file)));
            QVERIFY2(id != -1, file);
            m_fontIds.insert(QLatin1String(file), id);
        }

        // Qt's SVG module reports what it skips (a path too long, an unknown element) only as a
        // warning and draws the rest, so a warning is a failure here.
        LogCapture log;
        QSvgRenderer renderer(resource(QStringLiteral("images/map-world.svg")));
        QVERIFY(renderer.isValid());
        // The page stretches the picture over a map 300 x 200 design pixels large; a picture of
        // another shape would be distorted and its points would miss the projected markers.
        QCOMPARE(renderer.defaultSize(), MapDesignSize);
        QCOMPARE(renderer.viewBoxF(), QRectF(QPointF(0, 0), QSizeF(MapDesignSize)));
        m_map = QImage(MapDesignSize * MapScale, QImage::Format_ARGB32_Premultiplied);
        m_map.fill(Qt::transparent);
        QPainter painter(&m_map);
        renderer.render(&painter);
        painter.end();
        QVERIFY2(log.warnings().isEmpty(), qPrintable(log.warnings().join(QLatin1Char('\n'))));

        QVERIFY(m_moon.load(resource(QStringLiteral("images/moon.png"))));
    }

    // The family each font file names, and the glyphs the scene draws with it.
    void fonts_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("family");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<QString>("present");
        QTest::addColumn<QString>("absent");

        // Every glyph of the scene's icon table.
        const QString icons
            = QString::fromUtf16(u"\uF002\uF021\uF015\uF016\uF0F6\uF085\uF05A\uF0C7\uF053\uF054"
                                 u"\uF104\uF105\uF073\uF0D7\uF0C8\uF14A\uF062\uF059\uF128\uF00D");
        const QString zodiac = QString::fromUtf16(
            u"\u2648\u2649\u264A\u264B\u264C\u264D\u264E\u264F\u2650\u2651\u2652\u2653");
        const QString text
            = QStringLiteral("Rise: 12:34 U/T L/T 23\u00B0 Day of Warmth, Void Course");

        QTest::newRow("icons") << "fonts/fontawesome-webfont.ttf" << QStringLiteral("FontAwesome")
                               << false << icons << QString();
        QTest::newRow("text") << "fonts/pt-sans.ttf" << QStringLiteral("PT Sans") << false << text
                              << QString();
        QTest::newRow("bold text")
            << "fonts/pt-sans-bold.ttf" << QStringLiteral("PT Sans") << true << text << QString();
        // Nothing but the signs and the space: every other character of a "Vendarion, PT Sans"
        // text must fall through to PT Sans.
        QTest::newRow("zodiac") << "fonts/vendarion.ttf" << QStringLiteral("Vendarion") << false
                                << zodiac + QLatin1Char(' ')
                                << QStringLiteral("AZaz09:.,\u00B0-") + QChar(0x2654);
    }

    void fonts()
    {
        QFETCH(QString, file);
        QFETCH(QString, family);
        QFETCH(bool, bold);
        QFETCH(QString, present);
        QFETCH(QString, absent);

        QCOMPARE(QFontDatabase::applicationFontFamilies(m_fontIds.value(file, -1)),
                 QStringList{family});
        const QRawFont raw(resource(file), 20);
        QVERIFY(raw.isValid());
        QCOMPARE(raw.familyName(), family);
        QCOMPARE(raw.weight() >= QFont::Bold, bold);
        QCOMPARE(raw.style(), QFont::StyleNormal);
        for (const QChar c : present) {
            const QString where = QStringLiteral("U+%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            QVERIFY2(raw.supportsCharacter(c), qPrintable(where));
            if (c.isSpace())
                continue;
            const QVector<quint32> glyphs = raw.glyphIndexesForString(c);
            QCOMPARE(glyphs.size(), 1);
            QVERIFY2(!raw.pathForGlyph(glyphs.first()).isEmpty(), qPrintable(where + " is blank"));
        }
        for (const QChar c : absent)
            QVERIFY2(!raw.supportsCharacter(c), qPrintable(QString(c)));
    }

    void zodiacFontLineMetrics_data()
    {
        QTest::addColumn<int>("pixelSize");
        QTest::addColumn<QFont::HintingPreference>("hinting");

        // The smallest and largest of the panel's and the calendar's sizes (100 % to 200 % scale),
        // and one between.
        for (const int size : {12, 17, 42}) {
            QTest::addRow("%d px, default hinting", size) << size << QFont::PreferDefaultHinting;
            QTest::addRow("%d px, no hinting", size) << size << QFont::PreferNoHinting;
            QTest::addRow("%d px, full hinting", size) << size << QFont::PreferFullHinting;
        }
    }

    void zodiacFontLineMetrics()
    {
        QFETCH(int, pixelSize);
        QFETCH(QFont::HintingPreference, hinting);

        auto font = [&](const QString &family) {
            QFont f(family);
            f.setPixelSize(pixelSize);
            f.setHintingPreference(hinting);
            return f;
        };
        const QFont ptSans = font(QStringLiteral("PT Sans"));
        const QFont zodiac = font(QStringLiteral("Vendarion"));
        // The scene's labels name both; Qt takes the line metrics from the first family.
        const QFont labels = font(QStringLiteral("Vendarion, PT Sans, Open Sans, Helvetica"));
        QCOMPARE(QFontInfo(ptSans).family(), QStringLiteral("PT Sans"));
        QCOMPARE(QFontInfo(zodiac).family(), QStringLiteral("Vendarion"));
        QCOMPARE(QFontInfo(labels).family(), QStringLiteral("Vendarion"));

        const QFontMetricsF expected(ptSans);
        for (const QFont &f : {zodiac, labels}) {
            const QFontMetricsF metrics(f);
            QCOMPARE(metrics.ascent(), expected.ascent());
            QCOMPARE(metrics.descent(), expected.descent());
            QCOMPARE(metrics.leading(), expected.leading());
            QCOMPARE(metrics.height(), expected.height());
            QCOMPARE(metrics.lineSpacing(), expected.lineSpacing());
        }
        // Latin text in the label family is PT Sans's, glyph for glyph, and so are the blanks'
        // widths. (PT Sans's kerning pairs with a blank, as in "y C", are lost, because the blank
        // comes from the zodiac font: at most a pixel over a line, so the comparison of a text with
        // blanks leaves kerning out.)
        const QString word = QStringLiteral("Rise:06:12DayofColdness");
        QCOMPARE(QFontMetricsF(labels).horizontalAdvance(word), expected.horizontalAdvance(word));
        QFont labelsUnkerned = labels, ptSansUnkerned = ptSans;
        labelsUnkerned.setKerning(false);
        ptSansUnkerned.setKerning(false);
        const QString text = QStringLiteral("Rise: 06:12  Day of Coldness");
        QCOMPARE(QFontMetricsF(labelsUnkerned).horizontalAdvance(text),
                 QFontMetricsF(ptSansUnkerned).horizontalAdvance(text));
        // A sign stands about as tall as a capital letter beside it.
        const QRectF sign = QFontMetricsF(labels).tightBoundingRect(QString(QChar(0x2648)));
        const QRectF capital = expected.tightBoundingRect(QStringLiteral("H"));
        QVERIFY2(sign.height() > 0.8 * capital.height() && sign.height() < 1.3 * capital.height(),
                 qPrintable(QStringLiteral("sign %1 px, capital %2 px high")
                                .arg(sign.height())
                                .arg(capital.height())));
    }

    void moonDisc_data()
    {
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<int>("alpha");

        // The phase shadow is an ellipse of radius height / 2 about the centre, so the disc must
        // fill the square exactly: opaque just inside radius 256, transparent just outside.
        QTest::newRow("left edge, middle") << QPoint(1, 255) << 255;
        QTest::newRow("bottom edge, middle") << QPoint(255, 510) << 255;
        // 45 degrees: radius 254 inside, 258.5 outside.
        QTest::newRow("diagonal inside") << QPoint(76, 76) << 255;
        QTest::newRow("diagonal outside") << QPoint(73, 73) << 0;
    }

    void moonDisc()
    {
        QFETCH(QPoint, pixel);
        QFETCH(int, alpha);
        QCOMPARE(m_moon.size(), QSize(512, 512));
        QCOMPARE(qAlpha(m_moon.pixel(pixel)), alpha);
    }

    void moonNorthUpEastRight()
    {
        // The near side's maria lie mostly in the north and the west, its bright highlands in the
        // south: seen north up, the upper and the left half are the darker ones. A mirrored or
        // upside-down rendering turns either comparison round. The edge stays smooth: some pixels
        // of the rim are partly transparent.
        double left = 0, right = 0, top = 0, bottom = 0;
        int partial = 0;
        for (int y = 0; y < m_moon.height(); ++y) {
            for (int x = 0; x < m_moon.width(); ++x) {
                const QRgb p = m_moon.pixel(x, y);
                if (qAlpha(p) > 0 && qAlpha(p) < 255)
                    ++partial;
                if (qAlpha(p) < 255)
                    continue;
                const double grey = qGray(p);
                (x < 256 ? left : right) += grey;
                (y < 256 ? top : bottom) += grey;
            }
        }
        qInfo("brightness left %.0f, right %.0f, top %.0f, bottom %.0f (sums); %d rim pixels", left,
              right, top, bottom, partial);
        QVERIFY(left < 0.95 * right);
        QVERIFY(top < 0.9 * bottom);
        QVERIFY2(partial > 500, qPrintable(QString::number(partial)));
    }

    void mapPoints_data()
    {
        QTest::addColumn<double>("longitude");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<bool>("land");

        QTest::newRow("Greenland") << -42.0 << 72.0 << true;
        QTest::newRow("Antarctica, left edge") << -169.0 << -85.0 << true;
        QTest::newRow("Antarctica, right edge") << -171.0 << -85.0 << true;
        // East of -170, so it appears at the right edge.
        QTest::newRow("Chukotka beyond the edge") << -174.0 << 66.0 << true;
        QTest::newRow("Pacific, left edge") << -169.0 << 0.0 << false;
        QTest::newRow("Pacific, right edge") << -171.0 << 0.0 << false;
        // Shapes cut wrongly at the edge draw bands across the map at their latitude.
        QTest::newRow("Denmark Strait, Chukotka's latitude") << -28.0 << 66.0 << false;
        QTest::newRow("Bering Sea, Chukotka's latitude") << -178.0 << 60.0 << false;
        QTest::newRow("Drake Passage, Antarctica's latitude") << -65.0 << -58.0 << false;
    }

    void mapPoints()
    {
        QFETCH(double, longitude);
        QFETCH(double, latitude);
        QFETCH(bool, land);

        const QPointF p = mapPoint(longitude, latitude, m_map.width(), m_map.height());
        const QPoint pixel(qBound(0, int(p.x()), m_map.width() - 1),
                           qBound(0, int(p.y()), m_map.height() - 1));
        const int alpha = qAlpha(m_map.pixel(pixel));
        const QString where
            = QStringLiteral("pixel (%1, %2), alpha %3").arg(pixel.x()).arg(pixel.y()).arg(alpha);
        if (land)
            QVERIFY2(alpha == 255, qPrintable(where));
        else
            QVERIFY2(alpha == 0, qPrintable(where));
    }

private:
    static QString resource(const QString &relative)
    {
        return QCoreApplication::applicationDirPath() + QStringLiteral("/res/") + relative;
    }
    QHash<QString, int> m_fontIds;
    QImage m_map;
    QImage m_moon;
};

QTEST_MAIN(TestAssets)
#include "tst_assets.moc"
