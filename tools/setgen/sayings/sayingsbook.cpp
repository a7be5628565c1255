#include "sayings/sayingsbook.h"

#include "lesson/gbktext.h"
#include "lesson/lineconfigfile.h"

#include <QSet>

namespace {

bool fitsGbk(const QString &text)
{
    QByteArray bytes;
    return gbk::encode(text, &bytes);
}

} // namespace

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
    QStringList lines;
    for (const Saying &saying : sayings)
        lines << saying.text << saying.source;
    // Every saying was checked by choose(), so the lines all have a GBK form.
    QByteArray out;
    lineconfig::encodeLines(lines, &out);
    return out;
}
