#pragma once

#include "app/localization.h"
#include "astro/zone.h"

#include <QDateTime>
#include <QLocale>
#include <QPointer>
#include <QQuickView>
#include <QRect>
#include <QStringList>
#include <QVariantMap>

#include <memory>

class QQmlContext;
class QQuickItem;
class QScreen;
class QTranslator;

// The program's one window and, at the same time, the QML singleton "UI". It owns the interface
// scale: ppp is the factor by which the scene multiplies every design size.
class UI : public QQuickView
{
    Q_OBJECT
    Q_PROPERTY(double scale READ scale NOTIFY scaleChanged)
    Q_PROPERTY(double ppp READ ppp NOTIFY pppChanged)
    Q_PROPERTY(int scaleIndex READ scaleIndex WRITE setScaleIndex NOTIFY scaleIndexChanged)
    Q_PROPERTY(QStringList scaleOptions READ scaleOptions NOTIFY scaleOptionsChanged)
    Q_PROPERTY(int unscaledWidth READ unscaledWidth NOTIFY unscaledWidthChanged)
    Q_PROPERTY(int unscaledHeight READ unscaledHeight NOTIFY unscaledHeightChanged)
    Q_PROPERTY(int storedWindowState READ storedWindowState NOTIFY storedWindowStateChanged)
    Q_PROPERTY(int storedScaleIndex READ storedScaleIndex NOTIFY storedScaleIndexChanged)
    Q_PROPERTY(int storedMinimumWidth READ storedMinimumWidth NOTIFY storedMinimumWidthChanged)
    Q_PROPERTY(int storedMinimumHeight READ storedMinimumHeight NOTIFY storedMinimumHeightChanged)
    Q_PROPERTY(QRect storedGeometry READ storedGeometry NOTIFY storedGeometryChanged)
    Q_PROPERTY(QString messageBoxTitle READ messageBoxTitle NOTIFY messageBoxTitleChanged)
    Q_PROPERTY(QString messageBoxInfo READ messageBoxInfo NOTIFY messageBoxInfoChanged)
    Q_PROPERTY(bool messageBoxVisible READ messageBoxVisible NOTIFY messageBoxVisibleChanged)
    // The language setting: empty for the system's, else one of `languages`.
    Q_PROPERTY(QString language READ language WRITE setLanguage NOTIFY languageChanged)
    Q_PROPERTY(QStringList languages READ languages CONSTANT)
    // The language the interface is shown in, and the locale its dates and numbers are written
    // in; the date patterns of that locale by use: date, time, dateTime, editor, day.
    Q_PROPERTY(QString interfaceLanguage READ interfaceLanguage NOTIFY languageChanged)
    Q_PROPERTY(QString localeName READ localeName NOTIFY languageChanged)
    Q_PROPERTY(QVariantMap formats READ formats NOTIFY languageChanged)
    // The zone times are shown and read in: an IANA id, or empty for this computer's. An id
    // this machine does not know is refused with a log line and leaves this computer's zone.
    Q_PROPERTY(QString timeZone READ timeZone WRITE setTimeZone NOTIFY timeZoneChanged)

public:
    // Throws std::bad_alloc while another window lives: there is one per process.
    UI();
    ~UI() override;

    static UI *instance();

    // Connects the window, loads the root scene, restores geometry, scale and state, and shows it.
    void setupWindow();
    // Shows the window above the others, restored to how it was before it was minimised: what a
    // second start of the program does.
    void bringToFront();
    // Gives a scene's context the properties "platform" and "resourcePath". The window's own
    // scene gets them from setupWindow(); other engines (the QML tests) call this directly.
    static void setSceneContext(QQmlContext *context);

    double scale() const { return m_scale; }
    double ppp() const;
    int scaleIndex() const { return m_scaleIndex; }
    void setScaleIndex(int index);
    QStringList scaleOptions() const { return m_scaleOptions; }
    int unscaledWidth() const { return m_unscaledWidth; }
    int unscaledHeight() const { return m_unscaledHeight; }
    int storedWindowState() const;
    int storedScaleIndex() const;
    int storedMinimumWidth() const;
    int storedMinimumHeight() const;
    QRect storedGeometry() const;
    QString messageBoxTitle() const { return m_messageBoxTitle; }
    QString messageBoxInfo() const { return m_messageBoxInfo; }
    bool messageBoxVisible() const { return m_messageBoxVisible; }
    QString language() const;
    // Installs the language's translation and locale and retranslates the scene at once.
    void setLanguage(const QString &language);
    QStringList languages() const { return ui::shippedLanguages(); }
    QString interfaceLanguage() const { return m_interfaceLanguage; }
    QString localeName() const { return m_locale.name(); }
    QVariantMap formats() const;
    QString timeZone() const { return QString::fromUtf8(m_zone.id()); }
    void setTimeZone(const QString &timeZone);

    // The pixel size of the reference font at the current scale.
    int referencePixelSize() const;

    Q_INVOKABLE void showMessageBox(const QString &title, const QString &message);
    Q_INVOKABLE void hideMessageBox();
    Q_INVOKABLE QPoint getAbsolutePosition(QQuickItem *item) const;
    Q_INVOKABLE QDateTime localTime() const;
    // How the zone times are shown in is called at that moment ("JST, UTC+09:00"); blank while
    // it is this computer's.
    Q_INVOKABLE QString timeZoneLabel(const QDateTime &at) const { return m_zone.label(at); }
    // Every time the scene shows goes through here, on the clock of the zone times are shown in
    // (timeZone: this computer's, or the place's when chosen).
    // With C-locale digits and names: for keys, comparisons and log lines.
    Q_INVOKABLE QString formatDateTime(const QDateTime &value, const QString &format) const;
    // The same in the user's locale (its digits and names), for what the window shows;
    // readDateTime reads it back.
    Q_INVOKABLE QString formatLocal(const QDateTime &value, const QString &format) const;
    // A calendar day as the scene's date pickers hold it (this computer's midnight), formatted
    // in the user's locale as that day whatever zone times are shown in.
    Q_INVOKABLE QString formatDay(const QDateTime &localMidnight, const QString &format) const;
    // A day typed as formatDay shows it (see ui::readDateTime), as the date pickers hold it
    // (this computer's midnight); invalid when the text does not match.
    Q_INVOKABLE QDateTime parseDay(const QString &text, const QString &format) const;
    // That day's first instant on the clock times are shown in.
    Q_INVOKABLE QDateTime fromDay(const QDateTime &localMidnight) const;
    // The day on the shown clock of a moment, as a QDate property wants it assigned: the scene
    // turns a Date into a QDate by this computer's clock, so the answer is that day's noon here.
    Q_INVOKABLE QDateTime dayOf(const QDateTime &time) const;
    Q_INVOKABLE QString formatDegrees(double angle) const;
    Q_INVOKABLE bool equalNoCase(const QString &a, const QString &b) const;
    Q_INVOKABLE QString getClipboardText() const;
    Q_INVOKABLE int fontSize(int size) const;
    // Whether scale option `index` fits the screen that setScaleIndex measures against; one
    // that does not is lowered when chosen.
    Q_INVOKABLE bool scaleOptionFits(int index) const;
    // Calendar-day steps and parsing on the shown clock, kept out of JavaScript's Date.
    Q_INVOKABLE QDateTime addDays(const QDateTime &value, int days) const;
    // An invalid date-time (NaN in the scene) when the text does not match the format exactly.
    Q_INVOKABLE QDateTime parseDateTime(const QString &text, const QString &format) const;
    // The same day number in a month `months` away, cut to that month's length (31 March back
    // one month is the last day of February).
    Q_INVOKABLE QDateTime addMonths(const QDateTime &value, int months) const;
    // A QDate property reaches QML as a Date at UTC midnight; read in local time it is the day
    // before wherever the clock runs behind UTC. This is that calendar day from its first local
    // instant (where the clock skips midnight, the day starts when it resumes).
    Q_INVOKABLE QDateTime fromDate(const QDateTime &utcMidnight) const;
    // "Dezember 2026": the month's stand-alone name, capitalised as a title, and the year, in
    // the named locale (the scene passes UI.localeName, so a new language renames it).
    Q_INVOKABLE QString monthTitle(const QDateTime &value, const QString &localeName) const;
    // Text typed as `format` shows it (see ui::readDateTime); invalid when it is none.
    Q_INVOKABLE QDateTime readDateTime(const QString &text, const QString &format) const;
    Q_INVOKABLE QString languageName(const QString &code) const { return ui::languageName(code); }
    // The calendar day of a QDate property as the scene holds it (its UTC midnight, as for
    // fromDate) at the hour and minute of `time`, seconds 0, in local time.
    Q_INVOKABLE QDateTime dateTimeOnDay(const QDateTime &time, const QDateTime &utcMidnight) const;

signals:
    void scaleChanged(double scale);
    void pppChanged(double ppp);
    void scaleIndexChanged(int scaleIndex);
    void scaleOptionsChanged(const QStringList &scaleOptions);
    void geometryChanged(int);
    void unscaledWidthChanged(int unscaledWidth);
    void unscaledHeightChanged(int unscaledHeight);
    void storedWindowStateChanged(int storedWindowState);
    void storedScaleIndexChanged(int storedScaleIndex);
    void storedMinimumWidthChanged(int storedMinimumWidth);
    void storedMinimumHeightChanged(int storedMinimumHeight);
    void storedGeometryChanged(const QRect &storedGeometry);
    void messageBoxTitleChanged(const QString &messageBoxTitle);
    void messageBoxInfoChanged(const QString &messageBoxInfo);
    void messageBoxVisibleChanged(bool messageBoxVisible);
    void languageChanged();
    void timeZoneChanged(const QString &timeZone);

protected:
    bool event(QEvent *e) override;

private slots:
    void scaleUpdate(double);
    void windowStateUpdate(Qt::WindowState state);
    void geometryUpdate(int);

private:
    QScreen *scaleScreen() const;
    double baseScaleOf(QScreen *screen) const;
    void updateScale(QScreen *screen);
    double pppForScale(double scale) const;
    void applyGeometry(const QRect &rect);
    void reportDriver(const QString &vendor, const QString &renderer, const QString &version);
    void applyLanguage();

    bool m_initialising = true;
    double m_scale = 1.0;
    double m_lastPpp = 1.0;
    QStringList m_scaleOptions;
    int m_scaleIndex = -1;
    QString m_messageBoxTitle;
    QString m_messageBoxInfo;
    bool m_messageBoxVisible = false;
    int m_unscaledWidth = 0;
    int m_unscaledHeight = 0;
    QString m_interfaceLanguage;
    QLocale m_locale;
    ui::DateFormats m_formats;
    astro::Zone m_zone = astro::Zone::system();
    std::unique_ptr<QTranslator> m_translator;
};
