// The game movies read back tag by tag: every action block is whole, its
// branches land on actions of the same block, and every clip path it names
// is an instance that the movie places.

#include "games/gamemovie.h"

#include <QSet>
#include <QtTest>

namespace {

struct Reader {
    const QByteArray &bytes;
    int at = 0;
    int u8() { return uint8_t(bytes.at(at++)); }
    int u16()
    {
        const int low = u8();
        return low | u8() << 8;
    }
    int u32()
    {
        const int low = u16();
        return low | u16() << 16;
    }
};

struct Contents {
    QSet<QString> names;         // instance names placed anywhere
    QVector<QByteArray> actions; // action blocks, each up to its end mark
    QStringList faults;
};

// Where a MATRIX record starting at `at` ends.
int matrixEnd(const QByteArray &bytes, int at)
{
    int bit = at * 8;
    const auto take = [&](int n) {
        int value = 0;
        for (int i = 0; i < n; ++i, ++bit)
            value = value << 1 | (uint8_t(bytes.at(bit / 8)) >> (7 - bit % 8) & 1);
        return value;
    };
    for (int pair = 0; pair < 2; ++pair) { // scale, then rotate/skew
        if (take(1))
            bit += 2 * take(5);
    }
    bit += 2 * take(5); // translation
    return (bit + 7) / 8;
}

void readTags(const QByteArray &swf, int from, int to, Contents &out)
{
    Reader r{swf, from};
    while (r.at < to) {
        const int header = r.u16();
        const int code = header >> 6;
        int length = header & 0x3f;
        if (length == 0x3f)
            length = r.u32();
        const int body = r.at;
        if (code == 0)
            return;
        if (code == 12) { // DoAction
            out.actions.append(swf.mid(body, length));
        } else if (code == 39) { // DefineSprite: id, frame count, its own tags
            readTags(swf, body + 4, body + length, out);
        } else if (code == 34) { // DefineButton2: id, flags, offset to the conditions
            Reader b{swf, body + 3};
            const int offset = b.u16();
            int condition = body + 3 + offset;
            while (offset != 0) {
                Reader c{swf, condition};
                const int next = c.u16();
                const int end = next ? condition + next : body + length;
                out.actions.append(swf.mid(condition + 4, end - condition - 4));
                if (!next)
                    break;
                condition += next;
            }
        } else if (code == 26 && (uint8_t(swf.at(body)) & 0x20)) {
            // A named PlaceObject2 as these movies write it: flags, depth, id, matrix, name.
            const int name = matrixEnd(swf, body + 5);
            out.names.insert(QString::fromUtf8(swf.mid(name, body + length - 1 - name)));
        }
        r.at = body + length;
    }
}

// Checks one block and collects the clip paths that it pushes or targets.
void checkActions(const QByteArray &block, QSet<QString> &paths, QStringList &faults)
{
    QSet<int> starts;
    QVector<QPair<int, int>> branches; // where from, where to
    Reader r{block};
    while (r.at < block.size()) {
        starts.insert(r.at);
        const int code = r.u8();
        if (code == 0)
            break;
        if (code < 0x80)
            continue;
        const int length = r.u16();
        const QByteArray data = block.mid(r.at, length);
        r.at += length;
        if (code == 0x99 || code == 0x9d)
            branches.append({r.at - 5, r.at + int16_t(uint8_t(data[0]) | uint8_t(data[1]) << 8)});
        if (code == 0x8b)
            paths.insert(QString::fromUtf8(data.left(data.size() - 1)));
        if (code == 0x96 && data.at(0) == 0 && data.at(1) == '/')
            paths.insert(QString::fromUtf8(data.mid(1, data.size() - 2)));
    }
    if (r.at != block.size() || block.isEmpty() || block.back() != '\0')
        faults << QStringLiteral("an action block does not end where its tag ends");
    for (const auto &branch : branches) {
        if (!starts.contains(branch.second))
            faults << QStringLiteral("a branch at %1 lands at %2, inside an action")
                          .arg(branch.first)
                          .arg(branch.second);
    }
}

} // namespace

class TestGameMovies : public QObject
{
    Q_OBJECT

private slots:
    void actionsAndPathsHoldTogether()
    {
        const QVector<GameMovie> games = gameMovies();
        QCOMPARE(games.size(), 4);
        for (const GameMovie &game : games) {
            const QByteArray &swf = game.swf;
            QVERIFY(swf.startsWith("FWS"));
            QCOMPARE((Reader{swf, 4}.u32()), int(swf.size()));
            const int rectBits = uint8_t(swf.at(8)) >> 3;
            const int tags = 8 + (5 + 4 * rectBits + 7) / 8 + 4;

            Contents contents;
            readTags(swf, tags, swf.size(), contents);
            QVERIFY2(contents.actions.size() >= 3, qPrintable(game.fileName));
            QSet<QString> paths;
            for (const QByteArray &block : contents.actions)
                checkActions(block, paths, contents.faults);
            QVERIFY2(contents.faults.isEmpty(),
                     qPrintable(game.fileName + ": " + contents.faults.join("; ")));
            for (const QString &path : paths) {
                if (path == "/")
                    continue;
                QVERIFY2(contents.names.contains(path.mid(1)), qPrintable(game.fileName + " names " + path));
            }
            QVERIFY(QRect(0, 0, 550, 400).contains(game.firstTarget));
            QVERIFY(QRect(0, 0, 550, 400).contains(game.feedback));
        }
    }
};

QTEST_MAIN(TestGameMovies)
#include "test_gamemovies.moc"
