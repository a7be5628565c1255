#include "setfolderwriter.h"

#include "audio/midifile.h"
#include "audio/mp3encoder.h"
#include "audio/tonesynth.h"
#include "fontaliases.h"
#include "games/gamemovie.h"
#include "generatedfile.h"
#include "pictures/cursoricons.h"
#include "pictures/scenepainter.h"
#include "pictures/toolbaricons.h"
#include "sayings/classicsayings.h"
#include "sayings/fortuneverse.h"
#include "sayings/sayingsbook.h"
#include "swf/swfmovie.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

SetFolderWriter::SetFolderWriter(QString setFolder, QString fortunesFolder)
    : m_setFolder(std::move(setFolder)), m_fortunesFolder(std::move(fortunesFolder))
{}

QString SetFolderWriter::path(const QString &relativePath) const
{
    return m_setFolder + QLatin1Char('/') + relativePath;
}

bool SetFolderWriter::writeAll(QString *error)
{
    const bool ok = writePictures() && writeToolbarIcons() && writeMusic() && writeMovies() &&
                    writeSayings() && writeFile(QStringLiteral("fonts/fonts.conf"), fontAliasesConfig());
    *error = m_error;
    return ok;
}

bool SetFolderWriter::writeFile(const QString &relativePath, const QByteArray &bytes)
{
    return generatedfile::write(path(relativePath), bytes, &m_error);
}

bool SetFolderWriter::writeImage(const QString &relativePath, const QImage &image, const char *format)
{
    const QString target = path(relativePath);
    QDir().mkpath(QFileInfo(target).path());
    if (!image.save(target, format, 90)) {
        m_error = QStringLiteral("cannot write %1 as %2").arg(target, QLatin1String(format));
        return false;
    }
    return true;
}

bool SetFolderWriter::writePictures()
{
    for (int n = 1; n <= ScenePainter::CoverCount; ++n) {
        if (!writeImage(QStringLiteral("image/%1.jpg").arg(n), ScenePainter::cover(n), "JPEG"))
            return false;
    }
    for (int n = 1; n <= ScenePainter::BackgroundCount; ++n) {
        if (!writeImage(QStringLiteral("bj/%1.jpg").arg(n), ScenePainter::background(n), "JPEG"))
            return false;
    }
    return writeImage(QStringLiteral("image/closing.jpg"), ScenePainter::closing(), "JPEG") &&
           writeImage(QStringLiteral("bj/home.jpg"), ScenePainter::home(), "JPEG") &&
           writeImage(QStringLiteral("image/large.ico"), CursorIcons::magnifier(true), "ICO") &&
           writeImage(QStringLiteral("image/small.ico"), CursorIcons::magnifier(false), "ICO") &&
           writeImage(QStringLiteral("image/pencil11.ico"), CursorIcons::pencil(), "ICO");
}

bool SetFolderWriter::writeToolbarIcons()
{
    for (const QString &key : ToolbarIcons::keys()) {
        if (!writeImage(QStringLiteral("toolbar/%1.png").arg(key),
                        ToolbarIcons::paint(key, ToolbarIcons::Size), "PNG") ||
            !writeImage(QStringLiteral("toolbar/%1@2x.png").arg(key),
                        ToolbarIcons::paint(key, 2 * ToolbarIcons::Size), "PNG"))
            return false;
    }
    return true;
}

bool SetFolderWriter::writeMusic()
{
    const Tune stream = Tune::mountainStream();
    if (!writeFile(QStringLiteral("music/tn.mid"), MidiFile::write(Tune::childhood())) ||
        !writeFile(QStringLiteral("music/1.mid"), MidiFile::write(stream)))
        return false;
    const ToneSynth synth;
    return Mp3Encoder::encode(synth.wavFile(synth.render(stream)),
                              path(QStringLiteral("music/gaoshanls.mp3")), &m_error);
}

bool SetFolderWriter::writeMovies()
{
    for (const GameMovie &game : gameMovies()) {
        if (!writeFile(game.fileName, game.swf))
            return false;
    }
    const SwfMovie placeholder = SwfMovie::placeholder();
    return writeFile(placeholder.fileName(), placeholder.render());
}

bool SetFolderWriter::writeSayings()
{
    QVector<FortuneVerse::Poem> poems;
    for (const QString &name : {QStringLiteral("tang300"), QStringLiteral("song100")}) {
        QFile file(m_fortunesFolder + QLatin1Char('/') + name);
        if (!file.open(QIODevice::ReadOnly)) {
            m_error = QStringLiteral("cannot read %1 (Debian package fortunes-zh)").arg(file.fileName());
            return false;
        }
        poems += FortuneVerse::parse(QString::fromUtf8(file.readAll()));
    }
    const QVector<Saying> sayings = SayingsBook::choose(classicSayings(), poems, SayingCount);
    if (sayings.size() < SayingCount) {
        m_error = QStringLiteral("only %1 sayings found, %2 needed").arg(sayings.size()).arg(SayingCount);
        return false;
    }
    return writeFile(QStringLiteral("GoodWords.sys"), SayingsBook::encode(sayings));
}
