// Parsing a whole text document (target: under 5 ms for the shipped one), a very long header
// (target: linear in its length) and looking up two keys (target: microseconds). Until the
// shipped texts exist, a generated document of the same shape stands in: 8 topics x 54 keys,
// one entry of about 400 bytes each.

#include "global/object.h"
#include "text/codec.h"
#include "text/document.h"

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>

#include <benchmark/benchmark.h>

namespace {

const QStringList topics{"General",  "Mood",      "Health Nutrition", "Hair Care",
                         "Business", "Gardening", "Wedding",          "Born this day"};

QStringList lookupKeys()
{
    QStringList keys;
    for (const char *sign : {"Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo", "Libra",
                             "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"})
        keys.append(QStringLiteral("Moon@") + QLatin1String(sign));
    keys += QStringList{"New Moon",  "Waxing Crescent", "First Quarter", "Waxing Gibbous",
                        "Full Moon", "Waning Gibbous",  "Third Quarter", "Waning Crescent"};
    for (int day = 1; day <= 30; ++day)
        keys.append(QStringLiteral("md%1").arg(day));
    keys += QStringList{"Warmth", "Coldness", "Light", "Water"};
    return keys;
}

const QByteArray &generatedDocument()
{
    static const QByteArray document = [] {
        const char *words[] = {"the",   "moon",  "garden", "rest",  "water",  "plant",  "day",
                               "calm",  "seeds", "avoid",  "begin", "strong", "roots",  "hair",
                               "trade", "light", "warm",   "quiet", "family", "promise"};
        QRandomGenerator random(42);
        QByteArray bytes;
        for (const QString &topic : topics) {
            for (const QString &key : lookupKeys()) {
                bytes += "### " + topic.toUtf8() + ';' + key.toUtf8() + '\n';
                QByteArray entry;
                while (entry.size() < 400) {
                    entry += words[random.bounded(int(std::size(words)))];
                    entry += random.bounded(12) == 0 ? ". " : " ";
                }
                bytes += entry.trimmed() + ".\n";
            }
        }
        return bytes;
    }();
    return document;
}

// The shipped document in its plain form, or decoded from its ".enc" form; empty when absent.
QByteArray shippedDocument()
{
    const QString path = global::Object::resourcePath() + QStringLiteral("text/vendarion.txt");
    QFile plain(path);
    if (plain.open(QIODevice::ReadOnly))
        return plain.readAll();
    QFile encoded(path + QStringLiteral(".enc"));
    if (encoded.open(QIODevice::ReadOnly))
        return text::decode(encoded.readAll(), text::documentKey().toLatin1());
    return {};
}

void parse(benchmark::State &state, const QByteArray &bytes)
{
    for (auto _ : state) {
        text::Document document(bytes);
        benchmark::DoNotOptimize(document.entries().size());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * bytes.size());
}

void BM_ParseGenerated(benchmark::State &state)
{
    parse(state, generatedDocument());
}
BENCHMARK(BM_ParseGenerated)->Unit(benchmark::kMillisecond);

void BM_ParseShipped(benchmark::State &state)
{
    const QByteArray bytes = shippedDocument();
    if (bytes.isEmpty()) {
        state.SkipWithError("res/text/vendarion.txt is not there yet");
        return;
    }
    parse(state, bytes);
}
BENCHMARK(BM_ParseShipped)->Unit(benchmark::kMillisecond);

// One header line of N distinct keys before a single entry. The time should grow in step with N
// (a little faster, as the index outgrows the caches); it once grew with N squared, 14 s for
// 80,000 keys.
void BM_ParseLongHeader(benchmark::State &state)
{
    QByteArray bytes("###");
    for (int k = 0; k < state.range(0); ++k)
        bytes += " key" + QByteArray::number(k) + ';';
    bytes += "\nText\n";
    parse(state, bytes);
}
BENCHMARK(BM_ParseLongHeader)
    ->RangeMultiplier(4)
    ->Range(10000, 160000)
    ->Unit(benchmark::kMillisecond);

void BM_DecodeGenerated(benchmark::State &state)
{
    const QByteArray key = text::documentKey().toLatin1();
    const QByteArray encoded = text::decode(generatedDocument(), key);
    for (auto _ : state)
        benchmark::DoNotOptimize(text::decode(encoded, key));
    state.SetBytesProcessed(int64_t(state.iterations()) * encoded.size());
}
BENCHMARK(BM_DecodeGenerated)->Unit(benchmark::kMicrosecond);

void BM_GetEntriesTwoKeys(benchmark::State &state)
{
    const text::Document document(generatedDocument());
    const QStringList keys{"Health Nutrition", "Moon@Scorpio"};
    for (auto _ : state)
        benchmark::DoNotOptimize(document.getEntries(keys));
}
BENCHMARK(BM_GetEntriesTwoKeys)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    // The resource folder is found beside the program, which needs the application object.
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
