#include "astro/library.h"

#include "astro/logging.h"

#include <swephexp.h>

#include <QMutex>

#include <atomic>
#include <cmath>
#include <iterator>

namespace astro {

namespace {

// Flag words of the library calls: sidereal (J2000 frame), topocentric.
constexpr int PositionFlags = SEFLG_SIDEREAL | SEFLG_TOPOCTR;
constexpr int RiseTransFlags = SEFLG_SIDEREAL;
// Longitudes on the ecliptic and equinox of J2000.
constexpr int SiderealMode = SE_SIDM_J2000 | SE_SIDBIT_ECL_T0;

std::atomic<bool> g_filesFound{true};
thread_local int t_failures = 0;

// Where the library is built with thread-local storage (GCC builds such as Debian's, as its
// header decides), its whole state (data path, sidereal mode, observer) is per thread: a set-up
// made on the main thread is not seen by a pool thread. Each thread therefore makes the set-up
// once, before its first call.
// The library allocates its file buffers per thread as well; a pool thread that ends must
// hand them back, or every expired worker leaks them.
struct ThreadSetup
{
    ThreadSetup()
    {
        swe_set_ephe_path(nullptr);
        swe_set_sid_mode(SiderealMode, 0.0, 0.0);
    }
    ~ThreadSetup() { swe_close(); }
};

// Builds without it (macOS, Windows) keep one state for the whole process: there the observer
// set before a call must not change before the call has run, so every visit to the library
// holds one lock.
#if !defined(TLSOFF) && !defined(__APPLE__) && !defined(WIN32) && !defined(DOS32)
constexpr bool StatePerThread = true;
#else
constexpr bool StatePerThread = false;
#endif

QMutex g_sharedState;

class Visit
{
public:
    Visit()
    {
        if (!StatePerThread)
            g_sharedState.lock();
    }
    ~Visit()
    {
        if (!StatePerThread)
            g_sharedState.unlock();
    }
    Visit(const Visit &) = delete;
    Visit &operator=(const Visit &) = delete;
};

void prepareThread()
{
    thread_local ThreadSetup setup;
}

void logFailure(const char *what, const char *error)
{
    ++t_failures;
    qCDebug(lcAstro).noquote() << QString::fromLatin1(what) + QString::fromLatin1(error);
}

std::optional<double> riseTrans(int body, double jd, const Position &observer, int event)
{
    prepareThread();
    const Visit visit;
    double geopos[3] = {observer.longitude(), observer.latitude(), observer.altitude()};
    double result = 0.0;
    char error[AS_MAXCH] = {0};
    const int status = swe_rise_trans(jd, body, nullptr, RiseTransFlags, event, geopos, 1013.25,
                                      16.0, &result, error);
    if (status == -2)
        return std::nullopt;
    if (status < 0) {
        logFailure("asRiseTrans() error: ", error);
        return std::nullopt;
    }
    return result;
}

} // namespace

void setupEphemeris()
{
    prepareThread();
    // Ask for one position with the default files: the returned flags say which ephemeris the
    // library really used.
    double xx[6] = {0};
    char error[AS_MAXCH] = {0};
    const int flags = swe_calc_ut(2451545.0, SE_MOON, 0, xx, error);
    const bool found = flags >= 0 && (flags & SEFLG_SWIEPH);
    g_filesFound = found;
    if (!found) {
        qCDebug(lcAstro).noquote() << QStringLiteral(
            "ephemeris files not found, using the library's analytic ephemeris (less precise)");
    }
}

bool ephemerisFilesFound()
{
    return g_filesFound;
}

namespace {

// The data files begin at 1800-01-01 00:00 terrestrial time, some twenty seconds before that
// instant in UTC. The Moon's phenomena need the Sun where its light left it, eight and a third
// minutes earlier: during the files' first minutes that point lies before them and the library
// fails for want of the older file (before the files it quietly takes its analytic theory
// instead). Ten minutes leave room for both.
const QDateTime &firstInstant()
{
    static const QDateTime first(QDate(FirstEphemerisYear, 1, 1), QTime(0, 10), Qt::UTC);
    return first;
}

const QDateTime &lastInstant()
{
    static const QDateTime last(QDate(LastEphemerisYear, 12, 31), QTime(23, 59), Qt::UTC);
    return last;
}

} // namespace

bool inEphemerisRange(const QDateTime &time)
{
    return time.isValid() && time >= firstInstant() && time < lastInstant().addSecs(60);
}

QString ephemerisRangeText()
{
    const QString format = QStringLiteral("yyyy-MM-dd HH:mm");
    return QStringLiteral("%1 to %2 UTC")
        .arg(firstInstant().toString(format), lastInstant().toString(format));
}

double julianDay(const QDateTime &time)
{
    prepareThread();
    const Visit visit;
    // The offset in force at the date itself: Qt's own conversion knows the zone's history.
    const QDateTime utc = time.toUTC();
    const QDate date = utc.date();
    const QTime clock = utc.time();
    double results[2] = {0.0, 0.0};
    char error[AS_MAXCH] = {0};
    if (swe_utc_to_jd(date.year(), date.month(), date.day(), clock.hour(), clock.minute(),
                      double(clock.second()), SE_GREG_CAL, results, error)
        == ERR) {
        ++t_failures;
        qCDebug(lcAstro).noquote()
            << QStringLiteral("asUtcToJd() error: %1").arg(QString::fromLatin1(error));
        return 0.0;
    }
    return results[1];
}

QDateTime localTime(double jd, const Zone &zone)
{
    prepareThread();
    const Visit visit;
    int year = 0, month = 0, day = 0, hour = 0, minute = 0;
    double second = 0.0;
    swe_jdut1_to_utc(jd, SE_GREG_CAL, &year, &month, &day, &hour, &minute, &second);
    // jd + 1.0 of 13:00 must read 13:00 again, but it comes back a hair early: a Julian day
    // near 2.5 million carries tens of microseconds of rounding, and a UT1 day is a few
    // milliseconds longer than a UTC day. Rounding to the whole second before the minute is
    // cut off keeps whole minutes whole; no result of the engine is finer than a minute.
    const QDateTime utc = QDateTime(QDate(year, month, day), QTime(hour, minute), Qt::UTC)
                              .addSecs(qRound64(second));
    // Zones with offsets that are not whole minutes (old local mean times) still give whole
    // minutes.
    return wholeMinute(zone.toZone(utc));
}

Position calcPosition(int body, double jd, const Position &observer)
{
    prepareThread();
    const Visit visit;
    swe_set_topo(observer.longitude(), observer.latitude(), observer.altitude());
    double xx[6] = {0};
    char error[AS_MAXCH] = {0};
    if (swe_calc_ut(jd, body, PositionFlags, xx, error) < 0)
        logFailure("asCalcUt() error: ", error);
    return Position(xx[0], xx[1], xx[2]);
}

Phenomena calcPhenomena(int body, double jd, const Position &observer)
{
    prepareThread();
    const Visit visit;
    swe_set_topo(observer.longitude(), observer.latitude(), observer.altitude());
    double attr[20] = {0};
    char error[AS_MAXCH] = {0};
    if (swe_pheno_ut(jd, body, PositionFlags, attr, error) < 0)
        logFailure("asPhenoUt() error: ", error);
    Phenomena result;
    result.illumination = attr[1];
    result.diameter = attr[3];
    result.magnitude = attr[4];
    return result;
}

std::optional<double> calcRising(int body, double jd, const Position &observer)
{
    return riseTrans(body, jd, observer, SE_CALC_RISE);
}

std::optional<double> calcSetting(int body, double jd, const Position &observer)
{
    return riseTrans(body, jd, observer, SE_CALC_SET);
}

std::optional<double> calcUpperTransit(int body, double jd, const Position &observer)
{
    return riseTrans(body, jd, observer, SE_CALC_MTRANSIT);
}

std::optional<double> calcLowerTransit(int body, double jd, const Position &observer)
{
    return riseTrans(body, jd, observer, SE_CALC_ITRANSIT);
}

double calcAyanamsa(double jd)
{
    prepareThread();
    const Visit visit;
    double offset = 0.0;
    char error[AS_MAXCH] = {0};
    if (swe_get_ayanamsa_ex_ut(jd, 0, &offset, error) < 0)
        logFailure("asGetAyanamsaExUt() error: ", error);
    return offset;
}

Distance calcGeocentricDistance(int body, double jd)
{
    prepareThread();
    const Visit visit;
    double xx[6] = {0};
    char error[AS_MAXCH] = {0};
    // The geometric distance, as perigees and apogees are counted: the apparent one is measured
    // to where the Moon was when its light left it, seen from where the Earth is when it
    // arrives, and the Earth moves some 40 km meanwhile.
    if (swe_calc_ut(jd, body, SEFLG_SPEED | SEFLG_TRUEPOS, xx, error) < 0)
        logFailure("asCalcUt() error: ", error);
    return {xx[2], xx[5]};
}

namespace {

// The eclipse functions answer 0 for an instant that does not occur.
double instant(double jd)
{
    return jd > 0.0 ? jd : std::nan("");
}

} // namespace

std::optional<Eclipse> calcLunarEclipse(double jd, bool backward)
{
    prepareThread();
    const Visit visit;
    double times[10] = {0};
    char error[AS_MAXCH] = {0};
    const int type = swe_lun_eclipse_when(jd, 0, 0, times, backward ? 1 : 0, error);
    if (type < 0) {
        logFailure("asLunEclipseWhen() error: ", error);
        return std::nullopt;
    }
    Eclipse e;
    e.body = EclipseBody::Moon;
    e.type = (type & SE_ECL_TOTAL)     ? EclipseType::Total
             : (type & SE_ECL_PARTIAL) ? EclipseType::Partial
                                       : EclipseType::Penumbral;
    e.maximum = times[0];
    e.partialBegin = instant(times[2]);
    e.partialEnd = instant(times[3]);
    e.totalBegin = instant(times[4]);
    e.totalEnd = instant(times[5]);
    e.begin = instant(times[6]);
    e.end = instant(times[7]);
    // The magnitudes are geocentric: any place serves.
    double place[3] = {0.0, 0.0, 0.0};
    double attributes[20] = {0};
    if (swe_lun_eclipse_how(e.maximum, 0, place, attributes, error) < 0) {
        logFailure("asLunEclipseHow() error: ", error);
        return std::nullopt;
    }
    e.magnitude = e.type == EclipseType::Penumbral ? attributes[1] : attributes[0];
    return e;
}

std::optional<Eclipse> calcSolarEclipse(double jd, bool backward)
{
    prepareThread();
    const Visit visit;
    double times[10] = {0};
    char error[AS_MAXCH] = {0};
    const int type = swe_sol_eclipse_when_glob(jd, 0, 0, times, backward ? 1 : 0, error);
    if (type < 0) {
        logFailure("asSolEclipseWhenGlob() error: ", error);
        return std::nullopt;
    }
    Eclipse e;
    e.body = EclipseBody::Sun;
    e.type = (type & SE_ECL_ANNULAR_TOTAL) ? EclipseType::Hybrid
             : (type & SE_ECL_TOTAL)       ? EclipseType::Total
             : (type & SE_ECL_ANNULAR)     ? EclipseType::Annular
                                           : EclipseType::Partial;
    e.maximum = times[0];
    e.begin = instant(times[2]);
    e.end = instant(times[3]);
    double where[10] = {0};
    double attributes[20] = {0};
    if (swe_sol_eclipse_where(e.maximum, 0, where, attributes, error) < 0) {
        logFailure("asSolEclipseWhere() error: ", error);
        return std::nullopt;
    }
    e.magnitude = attributes[8];
    return e;
}

namespace {

// An eclipse seen from a place at jd, through one of the library's two calls for it: their
// answer (negative on failure, logged), the attributes written into `attributes`.
int eclipseHow(int32 (*how)(double, int32, double *, double *, char *), const char *what, double jd,
               const Position &observer, double *attributes)
{
    prepareThread();
    const Visit visit;
    double place[3] = {observer.longitude(), observer.latitude(), observer.altitude()};
    char error[AS_MAXCH] = {0};
    const int answer = how(jd, 0, place, attributes, error);
    if (answer < 0)
        logFailure(what, error);
    return answer;
}

} // namespace

std::optional<double> calcLunarEclipseAltitude(double jd, const Position &observer)
{
    double attributes[20] = {0};
    if (eclipseHow(swe_lun_eclipse_how, "asLunEclipseHow() error: ", jd, observer, attributes) < 0)
        return std::nullopt;
    return attributes[6];
}

bool calcSolarEclipseSeen(double jd, const Position &observer)
{
    double attributes[20] = {0};
    // 0 when the Sun is below the horizon or not eclipsed there.
    return eclipseHow(swe_sol_eclipse_how, "asSolEclipseHow() error: ", jd, observer, attributes)
               > 0
           && attributes[2] > 0.0;
}

std::optional<LocalSolarEclipse> calcLocalSolarEclipse(double jd, const Position &observer)
{
    prepareThread();
    const Visit visit;
    double place[3] = {observer.longitude(), observer.latitude(), observer.altitude()};
    double times[10] = {0};
    double attributes[20] = {0};
    char error[AS_MAXCH] = {0};
    const int type = swe_sol_eclipse_when_loc(jd, 0, place, times, attributes, 0, error);
    if (type < 0) {
        logFailure("asSolEclipseWhenLoc() error: ", error);
        return std::nullopt;
    }
    LocalSolarEclipse e;
    e.maximum = times[0];
    e.begin = instant(times[1]);
    e.end = instant(times[4]);
    e.sunrise = instant(times[5]);
    e.sunset = instant(times[6]);
    e.obscuration = attributes[2];
    e.visible = type & SE_ECL_VISIBLE;
    return e;
}

int libraryFailures()
{
    return t_failures;
}

int bodyNumber(const QString &name)
{
    static const char *const names[] = {"sun",     "moon",   "mercury", "venus",   "mars",
                                        "jupiter", "saturn", "uranus",  "neptune", "pluto"};
    const QString key = name.trimmed().toLower();
    for (int i = 0; i < int(std::size(names)); ++i) {
        if (key == QLatin1String(names[i]))
            return i;
    }
    return -1;
}

} // namespace astro
