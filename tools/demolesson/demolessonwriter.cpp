#include "demolessonwriter.h"

#include "audio/gstlaunch.h"
#include "audio/mp3encoder.h"
#include "audio/tonesynth.h"
#include "demomovies.h"
#include "demotexts.h"
#include "flatodf.h"
#include "generatedfile.h"
#include "lesson/gbktext.h"
#include "lesson/lineconfigfile.h"
#include "pictures/scenepainter.h"

#include <QDir>
#include <QTemporaryDir>

namespace {

// The lesson's media folder below the lesson book, and its file names.
const char *const kFolder = "示例";
const char *const kDocument = "示例文档.doc";
const char *const kRichText = "示例文档.rtf";
const char *const kWordXml = "示例文档.docx";
const char *const kReading = "课文.txt";     // GBK, as a Windows editor saves it
const char *const kQuestions = "思考题.txt"; // UTF-8
const char *const kDeck = "示例幻灯片.ppt";
const char *const kSlidesXml = "示例幻灯片.pptx";
const char *const kPdfDeck = "示例幻灯片.pdf";
const char *const kSound = "春天.mp3";
const char *const kVideo = "彩条.avi";
const char *const kPhoneVideo = "彩条.mp4";
const char *const kStartPage = "首页.html";
constexpr int kPictures = 6;
// A screenshot-like PNG beside the camera JPEGs.
constexpr int kPngPicture = 7;
// The cover page's picture: the night scene, dark behind the yellow titles.
constexpr int kCoverPicture = 4;

QString name(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

QString pictureName(int number)
{
    return QStringLiteral("图%1.jpg").arg(number);
}

QString pngName()
{
    return QStringLiteral("图%1.png").arg(kPngPicture);
}

// The stored form of a file of the lesson's folder, below the lesson book or
// below the program folder: folders joined by "\".
QString belowBook(const QString &file)
{
    return name(kFolder) + QLatin1Char('\\') + file;
}

QString belowProgram(const QString &file)
{
    return QStringLiteral("备课本\\") + belowBook(file);
}

// A list slot: every name followed by one space.
QString list(const QStringList &names)
{
    QString slot;
    for (const QString &entry : names)
        slot += entry + QLatin1Char(' ');
    return slot;
}

} // namespace

DemoLessonWriter::DemoLessonWriter(QString programFolder) : m_programFolder(std::move(programFolder))
{}

QString DemoLessonWriter::mediaPath(const QString &file) const
{
    return m_programFolder + QStringLiteral("/备课本/") + name(kFolder) + QLatin1Char('/') + file;
}

bool DemoLessonWriter::writeAll(QString *error)
{
    if (!QDir().mkpath(mediaPath(QString()))) {
        *error = QStringLiteral("cannot create %1").arg(mediaPath(QString()));
        return false;
    }
    const bool ok = writeDocuments() && writeTexts() && writeMovies() && writeSound() && writeVideo() &&
                    writePictures() && writeLesson();
    *error = m_error;
    return ok;
}

bool DemoLessonWriter::writeFile(const QString &path, const QByteArray &bytes)
{
    return generatedfile::write(path, bytes, &m_error);
}

bool DemoLessonWriter::writeDocuments()
{
    const QByteArray text = flatodf::textDocument(demotexts::documentParagraphs());
    const QByteArray slides = flatodf::presentation(demotexts::slides());
    const QByteArray ole("\xd0\xcf\x11\xe0", 4); // compound file: .doc and .ppt
    const QByteArray zip("PK\x03\x04");          // Office 2007 files
    return m_office.convert(text, QStringLiteral("fodt"), QStringLiteral("doc:MS Word 97"), ole,
                            mediaPath(name(kDocument)), &m_error) &&
           m_office.convert(text, QStringLiteral("fodt"), QStringLiteral("rtf:Rich Text Format"), "{\\rtf",
                            mediaPath(name(kRichText)), &m_error) &&
           m_office.convert(text, QStringLiteral("fodt"), QStringLiteral("docx:MS Word 2007 XML"), zip,
                            mediaPath(name(kWordXml)), &m_error) &&
           m_office.convert(slides, QStringLiteral("fodp"), QStringLiteral("ppt:MS PowerPoint 97"), ole,
                            mediaPath(name(kDeck)), &m_error) &&
           m_office.convert(slides, QStringLiteral("fodp"),
                            QStringLiteral("pptx:Impress MS PowerPoint 2007 XML"), zip,
                            mediaPath(name(kSlidesXml)), &m_error) &&
           m_office.convert(slides, QStringLiteral("fodp"), QStringLiteral("pdf:impress_pdf_Export"), "%PDF-",
                            mediaPath(name(kPdfDeck)), &m_error);
}

bool DemoLessonWriter::writeTexts()
{
    QByteArray reading;
    if (!gbk::encode(demotexts::reading(), &reading)) {
        m_error = QStringLiteral("the reading has letters GBK cannot hold");
        return false;
    }
    return writeFile(mediaPath(name(kReading)), reading) &&
           writeFile(mediaPath(name(kQuestions)), demotexts::questions().toUtf8()) &&
           writeFile(mediaPath(name(kStartPage)), demotexts::startPage().toUtf8());
}

bool DemoLessonWriter::writeMovies()
{
    for (const SwfMovie &movie : demoMovies()) {
        if (!writeFile(mediaPath(movie.fileName()), movie.render()))
            return false;
    }
    return true;
}

bool DemoLessonWriter::writeSound()
{
    const ToneSynth synth;
    return Mp3Encoder::encode(synth.wavFile(synth.render(Tune::childhood())), mediaPath(name(kSound)),
                              &m_error);
}

bool DemoLessonWriter::writeVideo()
{
    // Ten seconds of colour bars, which GStreamer's stock plug-ins both write
    // and play: still playing while a teacher (or a test on a busy machine)
    // moves the pane about. MPEG-4 in AVI as the Windows version's lessons
    // have it, H.264 in MP4 as a phone records it.
    QTemporaryDir work;
    const auto bars = [this, &work](const QString &file, const QStringList &encoder) {
        const QString encoded = work.filePath(QStringLiteral("bars-") + file);
        QStringList pipeline{QStringLiteral("videotestsrc"),
                             QStringLiteral("pattern=smpte"),
                             QStringLiteral("num-buffers=250"),
                             QStringLiteral("!"),
                             QStringLiteral("video/x-raw,width=320,height=240,framerate=25/1"),
                             QStringLiteral("!"),
                             QStringLiteral("videoconvert"),
                             QStringLiteral("!")};
        pipeline << encoder << QStringLiteral("!") << QStringLiteral("filesink")
                 << QStringLiteral("location=") + encoded;
        return gstlaunch::run(pipeline, encoded, &m_error) &&
               generatedfile::copy(encoded, mediaPath(file), &m_error);
    };
    return bars(name(kVideo), {QStringLiteral("avenc_mpeg4"), QStringLiteral("bitrate=600000"),
                               QStringLiteral("!"), QStringLiteral("avimux")}) &&
           bars(name(kPhoneVideo),
                {QStringLiteral("openh264enc"), QStringLiteral("bitrate=600000"), QStringLiteral("!"),
                 QStringLiteral("h264parse"), QStringLiteral("!"), QStringLiteral("mp4mux")});
}

bool DemoLessonWriter::writePictures()
{
    for (int n = 1; n <= kPictures; ++n) {
        if (!ScenePainter::cover(n).save(mediaPath(pictureName(n)), "JPEG", 90)) {
            m_error = QStringLiteral("cannot write %1").arg(mediaPath(pictureName(n)));
            return false;
        }
    }
    if (!ScenePainter::cover(kPngPicture).save(mediaPath(pngName()), "PNG")) {
        m_error = QStringLiteral("cannot write %1").arg(mediaPath(pngName()));
        return false;
    }
    return true;
}

bool DemoLessonWriter::writeLesson()
{
    QStringList texts;
    for (const QString &file : {name(kReading), name(kQuestions), name(kWordXml), name(kRichText)})
        texts << belowBook(file);
    QStringList movies;
    for (const SwfMovie &movie : demoMovies())
        movies << belowBook(movie.fileName());
    // The PNG first, so the toolbar's "Picture" shows it.
    QStringList pictures{belowProgram(pngName())};
    for (int n = 1; n <= kPictures; ++n)
        pictures << belowProgram(pictureName(n));

    // Relative paths only, "\" between folders: the media names as the editor
    // stores them, the document folder and the single files below the program
    // folder. The lesson plays wherever the program folder is copied or
    // installed, and the file holds nothing of the machine that built it.
    const QStringList lines = {
        name(kFolder),
        QStringLiteral("示例课"),
        QStringLiteral("备课本"),
        belowBook(name(kDocument)),
        list(texts),
        list({belowBook(name(kDeck)), belowBook(name(kSlidesXml)), belowBook(name(kPdfDeck))}),
        list(movies),
        // The phone's video first: the toolbar's "Video" always plays the first entry.
        list({belowProgram(name(kPhoneVideo)), belowProgram(name(kVideo)), belowProgram(name(kSound))}),
        list(pictures),
        belowProgram(name(kSound)),
        QStringLiteral("set\\music\\tn.mid"),
        belowProgram(pictureName(kCoverPicture)),
        QStringLiteral("set\\bj\\1.jpg"),
        belowProgram(name(kStartPage)),
        QString(),
    };
    QByteArray bytes;
    int badLine = -1;
    if (!lineconfig::encodeLines(lines, &bytes, &badLine)) {
        m_error = QStringLiteral("line %1 of the lesson has letters GBK cannot hold: %2")
                      .arg(badLine + 1)
                      .arg(lines.value(badLine));
        return false;
    }
    return writeFile(m_programFolder + QStringLiteral("/备课本/配置区/示例/示例课.spz"), bytes);
}
