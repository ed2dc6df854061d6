#pragma once

#include <QMutex>
#include <QStringList>
#include <QtGlobal>

#include <functional>

// Collects every log line written while it lives, from any thread, with its type, and passes
// each on to the handler before it, so the lines still reach the test's output.
class LogCapture
{
public:
    struct Line
    {
        QtMsgType type;
        QString text;
    };

    // `onLine`, when given, sees each line as it is written (a test that keeps one timeline of
    // log lines and signals).
    explicit LogCapture(std::function<void(const Line &)> onLine = {})
        : m_onLine(std::move(onLine))
    {
        s_current = this;
        m_previous = qInstallMessageHandler(collect);
    }
    ~LogCapture()
    {
        qInstallMessageHandler(m_previous);
        s_current = nullptr;
    }
    LogCapture(const LogCapture &) = delete;
    LogCapture &operator=(const LogCapture &) = delete;

    QStringList lines() const { return texts(false); }
    // Warnings and worse.
    QStringList warnings() const { return texts(true); }

private:
    QStringList texts(bool warningsOnly) const
    {
        QMutexLocker locker(&m_mutex);
        QStringList texts;
        for (const Line &line : m_lines) {
            if (!warningsOnly || (line.type != QtDebugMsg && line.type != QtInfoMsg))
                texts << line.text;
        }
        return texts;
    }

    static void collect(QtMsgType type, const QMessageLogContext &context, const QString &text)
    {
        if (LogCapture *self = s_current) {
            const Line line{type, text};
            {
                QMutexLocker locker(&self->m_mutex);
                self->m_lines.append(line);
            }
            if (self->m_onLine)
                self->m_onLine(line);
            if (self->m_previous)
                self->m_previous(type, context, text);
        }
    }

    static inline LogCapture *s_current = nullptr;
    mutable QMutex m_mutex;
    QList<Line> m_lines;
    std::function<void(const Line &)> m_onLine;
    QtMessageHandler m_previous = nullptr;
};
