#pragma once

#include "app/datehelper.h"
#include "app/localization.h"
#include "app/localizer.h"
#include "app/windowscaling.h"

#include <QDateTime>
#include <QQuickView>
#include <QRect>
#include <QStringList>
#include <QUrl>
#include <QVariantMap>

class QQmlContext;
class QTimer;
class QQuickItem;

// The program's one window and, at the same time, the QML singleton "UI": the scene's face of
// the window's rooms. The scale and the stored geometry and state are WindowScaling's, the
// language and its formats the Localizer's, dates and times the DateHelper's; UI hands its
// properties and invokables on to them, and keeps the message box, the clipboard and the
// driver report.
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
    // The locale the names of months and weekdays are shown in: the interface language's.
    Q_PROPERTY(QString namesLocaleName READ namesLocaleName NOTIFY languageChanged)
    // The locale's first day of the week, as Qt numbers it (1 Monday .. 7 Sunday).
    Q_PROPERTY(int firstDayOfWeek READ firstDayOfWeek NOTIFY languageChanged)
    Q_PROPERTY(QVariantMap formats READ formats NOTIFY languageChanged)
    // The zone times are shown and read in: an IANA id, empty for this computer's. The scene
    // binds it to the one the engine computes in.
    Q_PROPERTY(QString timeZone READ timeZone WRITE setTimeZone NOTIFY timeZoneChanged)
    // The option "Moon as in the sky now" (key "moonAsInSky" of group "window"): the moon picture
    // turned as the Moon stands in the observer's sky at the moment, not only for the hemisphere.
    Q_PROPERTY(bool moonAsInSky READ moonAsInSky WRITE setMoonAsInSky NOTIFY moonAsInSkyChanged)
    // Today on the shown clock, as a scene day (see dayOf): what the grid and the date pickers
    // mark. Looked at once a minute, and at once when the zone changes.
    Q_PROPERTY(QDateTime today READ today NOTIFY todayChanged)

public:
    // Throws std::bad_alloc while another window lives: there is one per process.
    UI();
    ~UI() override;

    static UI *instance();

    // Connects the window, loads the root scene, restores geometry, scale and state, and shows it
    // (unless `shown` is false: a start in the tray). The Companion starts once the first frame
    // is on the screen, or at once when the window stays hidden.
    void setupWindow(bool shown = true);
    // Closing the window then only hides it: the program stays in the tray.
    void setHideOnClose(bool hide) { m_hideOnClose = hide; }
    // Shows the window above the others, restored to how it was before it was minimised: what a
    // second start of the program does.
    void bringToFront();
    // Gives a scene's context the properties "platform" and "resourcePath". The window's own
    // scene gets them from setupWindow(); other engines (the QML tests) call this directly.
    static void setSceneContext(QQmlContext *context);

    double scale() const { return m_scaling->scale(); }
    double ppp() const { return m_scaling->ppp(); }
    int scaleIndex() const { return m_scaling->scaleIndex(); }
    void setScaleIndex(int index) { m_scaling->setScaleIndex(index); }
    QStringList scaleOptions() const { return m_scaling->scaleOptions(); }
    int unscaledWidth() const { return m_scaling->unscaledWidth(); }
    int unscaledHeight() const { return m_scaling->unscaledHeight(); }
    int storedWindowState() const { return m_scaling->storedWindowState(); }
    int storedScaleIndex() const { return m_scaling->storedScaleIndex(); }
    int storedMinimumWidth() const;
    int storedMinimumHeight() const;
    QRect storedGeometry() const { return m_scaling->storedGeometry(); }
    QString messageBoxTitle() const { return m_messageBoxTitle; }
    QString messageBoxInfo() const { return m_messageBoxInfo; }
    bool messageBoxVisible() const { return m_messageBoxVisible; }
    QString language() const { return m_localizer.language(); }
    // Installs the language's translation and locale and retranslates the scene at once.
    void setLanguage(const QString &language);
    QStringList languages() const { return ui::shippedLanguages(); }
    QString interfaceLanguage() const { return m_localizer.interfaceLanguage(); }
    QString localeName() const { return m_localizer.locale().name(); }
    QString namesLocaleName() const { return m_localizer.namesLocale().name(); }
    int firstDayOfWeek() const { return m_localizer.locale().firstDayOfWeek(); }
    QVariantMap formats() const { return m_localizer.formats(); }
    QString timeZone() const { return m_dates.timeZone(); }
    void setTimeZone(const QString &timeZone);
    bool moonAsInSky() const;
    QDateTime today() const { return m_today; }
    void setMoonAsInSky(bool value);

    // A message the user must answer, with a warning sign; showInformation for good news.
    Q_INVOKABLE void showMessageBox(const QString &title, const QString &message);
    Q_INVOKABLE void showInformation(const QString &title, const QString &message);
    // The system's save dialog, over the window and at its scale: it opens in the folder last
    // saved to (key "saveFolder" of group "window"), else the user's documents folder, with the
    // name proposed. The file chosen, or an empty URL when the user cancelled.
    Q_INVOKABLE QUrl chooseSaveFile(const QString &title, const QString &proposedName,
                                    const QString &filter);
    // What an icon or an abbreviation stands for, in a tooltip under the item, at the window's
    // scale; hideToolTip takes it away.
    Q_INVOKABLE void showToolTip(QQuickItem *item, const QString &text);
    Q_INVOKABLE void hideToolTip();
    Q_INVOKABLE void hideMessageBox();
    Q_INVOKABLE QPoint getAbsolutePosition(QQuickItem *item) const;
    Q_INVOKABLE QDateTime localTime() const;
    // Dates and times as the DateHelper has them (see there for moments and scene days): on the
    // clock of the zone times are shown in, which timeZone chooses.
    // With C-locale digits and names: for keys, comparisons and log lines.
    Q_INVOKABLE QString formatDateTime(const QDateTime &value, const QString &format) const
    {
        return m_dates.format(value, format);
    }
    // The same in the user's locale, for what the window shows; readDateTime reads it back.
    Q_INVOKABLE QString formatLocal(const QDateTime &value, const QString &format) const
    {
        return m_dates.formatLocal(value, format);
    }
    // A scene day in the user's locale, as that day whatever zone times are shown in.
    Q_INVOKABLE QString formatDay(const QDateTime &day, const QString &format) const
    {
        return m_dates.formatDay(day, format);
    }
    // A day typed as formatDay shows it, as the date pickers hold it; invalid when the text
    // does not match.
    Q_INVOKABLE QDateTime parseDay(const QString &text, const QString &format) const
    {
        return m_dates.parseDay(text, format);
    }
    // A scene day's first instant on the shown clock; fromDate is the same, by the name the
    // scene uses for QDate properties.
    Q_INVOKABLE QDateTime fromDay(const QDateTime &day) const { return m_dates.startOfDay(day); }
    // The day on the shown clock of a moment, as a QDate property wants it assigned.
    Q_INVOKABLE QDateTime dayOf(const QDateTime &time) const { return m_dates.dayOf(time); }
    Q_INVOKABLE QString formatDegrees(double angle) const { return ui::formatDegrees(angle); }
    Q_INVOKABLE bool equalNoCase(const QString &a, const QString &b) const;
    Q_INVOKABLE QString getClipboardText() const;
    Q_INVOKABLE int fontSize(int size) const;
    // Whether scale option `index` fits the screen that setScaleIndex measures against; one
    // that does not is lowered when chosen.
    Q_INVOKABLE bool scaleOptionFits(int index) const { return m_scaling->scaleOptionFits(index); }
    // Calendar-day steps and parsing on the shown clock, kept out of JavaScript's Date.
    Q_INVOKABLE QDateTime addDays(const QDateTime &value, int days) const
    {
        return m_dates.addDays(value, days);
    }
    // An invalid date-time (NaN in the scene) when the text does not match the format exactly.
    Q_INVOKABLE QDateTime parseDateTime(const QString &text, const QString &format) const
    {
        return m_dates.parseDateTime(text, format);
    }
    // The same day number in a month `months` away, cut to that month's length.
    Q_INVOKABLE QDateTime addMonths(const QDateTime &value, int months) const
    {
        return m_dates.addMonths(value, months);
    }
    Q_INVOKABLE QDateTime fromDate(const QDateTime &day) const { return m_dates.startOfDay(day); }
    // "Dezember 2026" in the named locale (the scene passes UI.localeName, so a new language
    // renames it).
    Q_INVOKABLE QString monthTitle(const QDateTime &value, const QString &localeName) const
    {
        return m_dates.monthTitle(value, localeName);
    }
    // Text typed as `format` shows it; invalid when it is none.
    Q_INVOKABLE QDateTime readDateTime(const QString &text, const QString &format) const
    {
        return m_dates.readDateTime(text, format);
    }
    Q_INVOKABLE QString languageName(const QString &code) const { return ui::languageName(code); }
    // A scene day at the hour and minute of `time`, seconds 0, on the shown clock.
    Q_INVOKABLE QDateTime dateTimeOnDay(const QDateTime &time, const QDateTime &day) const
    {
        return m_dates.dateTimeOnDay(time, day);
    }
    // How the zone times are shown in is called at that moment ("JST, UTC+09:00"); blank while
    // it is this computer's.
    Q_INVOKABLE QString timeZoneLabel(const QDateTime &at) const
    {
        return m_dates.timeZoneLabel(at);
    }
    // The first instant of a moment's month on the shown clock.
    Q_INVOKABLE QDateTime firstOfMonth(const QDateTime &value) const
    {
        return m_dates.firstOfMonth(value);
    }
    // Whether two scene days are one day, or lie in one month; a moment is made a scene day by
    // dayOf first.
    Q_INVOKABLE bool sameDay(const QDateTime &a, const QDateTime &b) const
    {
        return DateHelper::sameDay(a, b);
    }
    Q_INVOKABLE bool sameMonth(const QDateTime &a, const QDateTime &b) const
    {
        return DateHelper::sameMonth(a, b);
    }

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
    void moonAsInSkyChanged(bool moonAsInSky);
    void todayChanged(const QDateTime &today);

protected:
    bool event(QEvent *e) override;

private:
    void reportDriver(const QString &vendor, const QString &renderer, const QString &version);
    // The dialogs and tooltips (widgets, outside the scene) take the window's scale.
    void scaleWidgets();
    void showBox(int icon, const QString &title, const QString &message);
    void updateToday();

    WindowScaling *m_scaling;
    Localizer m_localizer;
    DateHelper m_dates;
    QString m_messageBoxTitle;
    QString m_messageBoxInfo;
    bool m_messageBoxVisible = false;
    QDateTime m_today;
    QTimer *m_todayTimer;
    bool m_hideOnClose = false;
};
