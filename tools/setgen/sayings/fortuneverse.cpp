#include "sayings/fortuneverse.h"

#include <QRegularExpression>

namespace {

const QString kPunctuation = QStringLiteral("，。！？；：、“”‘’");
const QString kEndings = QStringLiteral("。！？");
const QString kOpenEndings = QStringLiteral("，；：");
constexpr int kShortest = 5;
constexpr int kLongest = 34; // longer lines are prose prefaces, not verse

bool isIdeograph(QChar c)
{
    return c.unicode() >= 0x4e00 && c.unicode() <= 0x9fff;
}

QString stripEscapes(QString line)
{
    static const QRegularExpression escape(QStringLiteral("\x1b\\[[0-9;]*m"));
    return line.remove(escape).trimmed();
}

QString afterLabel(QString text, const QString &label)
{
    if (text.startsWith(label)) {
        text = text.mid(label.size());
        if (text.startsWith(QLatin1Char(':')) || text.startsWith(QChar(0xff1a)))
            text = text.mid(1);
    }
    return text.trimmed();
}

QString withoutLifeDates(QString author)
{
    static const QRegularExpression dates(QStringLiteral("[（(].*[）)]"));
    return author.remove(dates).trimmed();
}

} // namespace

QString FortuneVerse::asSaying(const QString &line)
{
    const QString text = line.trimmed();
    if (text.size() < kShortest || text.size() > kLongest)
        return QString();
    for (QChar c : text) {
        if (!isIdeograph(c) && !kPunctuation.contains(c))
            return QString();
    }
    const QChar last = text.back();
    if (kEndings.contains(last))
        return text;
    if (kOpenEndings.contains(last))
        return text.chopped(1) + QChar(0x3002);
    return QString();
}

QVector<FortuneVerse::Poem> FortuneVerse::parse(const QString &text)
{
    QVector<Poem> poems;
    Poem poem;
    auto finish = [&] {
        if (!poem.lines.isEmpty())
            poems.append(poem);
        poem = Poem();
    };
    for (const QString &raw : text.split(QLatin1Char('\n'))) {
        if (raw.trimmed() == QLatin1String("%")) {
            finish();
            continue;
        }
        if (raw.startsWith(QChar(0x1b))) {
            const QString label = stripEscapes(raw);
            if (label.startsWith(QStringLiteral("作者")))
                poem.author = withoutLifeDates(afterLabel(label, QStringLiteral("作者")));
            else if (poem.title.isEmpty())
                poem.title = afterLabel(label, QStringLiteral("题目"));
            continue;
        }
        const QString saying = asSaying(raw);
        if (!saying.isEmpty())
            poem.lines.append(saying);
    }
    finish();
    return poems;
}
