#pragma once

// Shared set-up of the engine's tests and the reader of the reference tables in tests/data.

#include "astro/library.h"
#include "astro/module.h"
#include "astro/searches.h"

#include <QFile>
#include <QStandardPaths>
#include <QStringList>

inline void startEngine()
{
    QStandardPaths::setTestModeEnabled(true);
    astro::setupEphemeris();
    astro::registerMetaTypes();
}

// The rows of a CSV table in tests/data, without its header line.
inline QList<QStringList> readTable(const QString &name)
{
    QList<QStringList> rows;
    QFile file(QStringLiteral(VENDARION_TEST_DATA "/") + name);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return rows;
    file.readLine();
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (!line.isEmpty())
            rows.append(line.split(QLatin1Char(',')));
    }
    return rows;
}

// The minutes of the body's ingresses from one moment up to another.
inline QList<QDateTime> ingressMinutes(const astro::Sky &sky, const QDateTime &from,
                                       const QDateTime &to)
{
    QList<QDateTime> minutes;
    for (const astro::Ingress &ingress :
         astro::ingresses(sky, astro::julianDay(from), astro::julianDay(to)))
        minutes.append(astro::ingressMinute(sky, ingress));
    return minutes;
}
