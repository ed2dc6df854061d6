// textcodec: encodes a text document for shipping as ".enc", decodes one back, or checks that a
// document parses, with the same key and code the program itself uses.

#include "text/codec.h"
#include "text/document.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstdio>

namespace {

const QString encodedSuffix = QStringLiteral(".enc");

int usage()
{
    std::fputs("usage: textcodec encode INPUT [OUTPUT]   (OUTPUT defaults to INPUT.enc)\n"
               "       textcodec decode INPUT [OUTPUT]   (OUTPUT defaults to INPUT less .enc)\n"
               "       textcodec check INPUT             (parses, decoding an .enc file first)\n",
               stderr);
    return 2;
}

void fail(const QString &message)
{
    std::fprintf(stderr, "textcodec: %s\n", qUtf8Printable(message));
}

bool readAll(const QString &path, QByteArray *bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        fail(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
        return false;
    }
    *bytes = file.readAll();
    return true;
}

bool writeAll(const QString &path, const QByteArray &bytes)
{
    // Written aside and renamed, so a failed run never leaves half a document behind.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        fail(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
        return false;
    }
    return true;
}

int check(const QString &input)
{
    QByteArray bytes;
    if (!readAll(input, &bytes))
        return 1;
    if (input.endsWith(encodedSuffix, Qt::CaseInsensitive))
        bytes = text::decode(bytes, text::documentKey().toLatin1());
    const text::Document document(bytes);
    std::printf("%s: %d entries, %d keys%s\n", qUtf8Printable(input), document.entries().size(),
                document.keys().size(), document.isValid() ? "" : ", parse aborted");
    return document.isValid() ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    if (arguments.size() < 2)
        return usage();
    const QString &command = arguments.at(0);
    const QString &input = arguments.at(1);

    if (command == QLatin1String("check") && arguments.size() == 2)
        return check(input);
    if ((command != QLatin1String("encode") && command != QLatin1String("decode"))
        || arguments.size() > 3)
        return usage();

    QString output = arguments.value(2);
    if (output.isEmpty()) {
        if (command == QLatin1String("encode")) {
            output = input + encodedSuffix;
        } else if (input.endsWith(encodedSuffix, Qt::CaseInsensitive)) {
            output = input.chopped(encodedSuffix.size());
        } else {
            fail(QStringLiteral("%1 does not end in .enc: name the output").arg(input));
            return 2;
        }
    }
    if (QFileInfo(output).absoluteFilePath() == QFileInfo(input).absoluteFilePath()) {
        fail(QStringLiteral("the output would overwrite the input"));
        return 2;
    }

    QByteArray bytes;
    if (!readAll(input, &bytes))
        return 1;
    // The encoding is an XOR, so encoding and decoding are the same step.
    return writeAll(output, text::decode(bytes, text::documentKey().toLatin1())) ? 0 : 1;
}
