#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// A private X server for tests that run the whole program: a real screen of a chosen size and
// density, independent of whatever display the machine has.
class Xvfb
{
public:
    Xvfb(int width, int height, int dpi)
    {
        // -displayfd 1 makes the server pick a free display and print its number on stdout.
        m_process.start(QStringLiteral("Xvfb"),
                        {QStringLiteral("-displayfd"), QStringLiteral("1"),
                         QStringLiteral("-screen"), QStringLiteral("0"),
                         QStringLiteral("%1x%2x24").arg(width).arg(height), QStringLiteral("-dpi"),
                         QString::number(dpi), QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        if (!m_process.waitForStarted(10000))
            return;
        while (!m_process.canReadLine() && m_process.waitForReadyRead(10000)) {
        }
        const QString number = QString::fromLatin1(m_process.readLine()).trimmed();
        if (!number.isEmpty())
            m_display = QLatin1Char(':') + number;
    }

    ~Xvfb()
    {
        m_process.terminate();
        if (!m_process.waitForFinished(5000))
            m_process.kill();
        m_process.waitForFinished(5000);
    }

    // ":N", or empty when the server did not start.
    QString display() const { return m_display; }

private:
    QProcess m_process;
    QString m_display;
};
