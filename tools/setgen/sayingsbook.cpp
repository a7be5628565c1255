#include "sayingsbook.h"

#include <QSet>
#include <QStringEncoder>

bool SayingsBook::fitsGbk(const QString &text)
{
    QStringEncoder encoder("GBK");
    const QByteArray bytes = encoder.encode(text);
    return !encoder.hasError();
}

QVector<Saying> SayingsBook::choose(const QVector<Saying> &classics, const QVector<FortuneVerse::Poem> &poems,
                                    int count)
{
    QVector<Saying> chosen;
    QSet<QString> seen;
    auto offer = [&](const Saying &saying) {
        if (chosen.size() < count && fitsGbk(saying.text) && fitsGbk(saying.source) &&
            !seen.contains(saying.text)) {
            seen.insert(saying.text);
            chosen.append(saying);
        }
    };
    for (const Saying &saying : classics)
        offer(saying);
    int longest = 0;
    for (const FortuneVerse::Poem &poem : poems)
        longest = std::max(longest, int(poem.lines.size()));
    for (int line = 0; line < longest && chosen.size() < count; ++line) {
        for (const FortuneVerse::Poem &poem : poems) {
            if (line < poem.lines.size())
                offer({poem.lines.at(line), QStringLiteral("——") + poem.author + poem.title});
        }
    }
    return chosen;
}

QByteArray SayingsBook::encode(const QVector<Saying> &sayings)
{
    QStringEncoder encoder("GBK");
    QByteArray out;
    for (const Saying &saying : sayings) {
        for (const QString &line : {saying.text, saying.source}) {
            out.append(encoder.encode(line));
            out.append("\r\n");
        }
    }
    return out;
}
