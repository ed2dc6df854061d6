#pragma once

#include <QStringList>
#include <QtGlobal>

// Collects every log line written while it lives, so a test can check the exact texts and
// that nothing else was written.
class LogCapture
{
public:
    LogCapture()
    {
        s_lines = &m_lines;
        m_previous = qInstallMessageHandler(collect);
    }
    ~LogCapture()
    {
        qInstallMessageHandler(m_previous);
        s_lines = nullptr;
    }
    LogCapture(const LogCapture &) = delete;
    LogCapture &operator=(const LogCapture &) = delete;

    const QStringList &lines() const { return m_lines; }

private:
    static void collect(QtMsgType, const QMessageLogContext &, const QString &text)
    {
        if (s_lines)
            s_lines->append(text);
    }

    static inline QStringList *s_lines = nullptr;
    QStringList m_lines;
    QtMessageHandler m_previous = nullptr;
};
