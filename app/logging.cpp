#include "app/logging.h"

Q_LOGGING_CATEGORY(lcApp, "vendarion.app")

namespace {

QtMessageHandler s_previous = nullptr;

void writeLine(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (context.category && qstrncmp(context.category, "vendarion.", 10) == 0) {
        // The default pattern leaves out the category "default".
        const QMessageLogContext plain(context.file, context.line, context.function, "default");
        s_previous(type, plain, text);
    } else {
        s_previous(type, context, text);
    }
}

} // namespace

void installLogHandler()
{
    s_previous = qInstallMessageHandler(writeLine);
}
