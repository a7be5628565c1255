#include "swf/swfgamekit.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainterPath>

namespace {

constexpr double kFramesPerSecond = 24.0;
const QColor kButtonFace(0x2e, 0x7d, 0x32);
const QColor kButtonText(Qt::white);

// Seven-segment digits: segments a (top) to g (middle), bit 0 = a.
constexpr uint8_t kDigitSegments[10] = {0x3f, 0x06, 0x5b, 0x4f, 0x66, 0x6d, 0x7d, 0x07, 0x7f, 0x6f};
constexpr int kDigitWidth = 22, kDigitHeight = 40, kStroke = 5; // pixels
constexpr int kDigitPitch = kDigitWidth + 6;

QPoint segmentCentre(int segment)
{
    const int w = kDigitWidth * SwfGameKit::Twips, h = kDigitHeight * SwfGameKit::Twips;
    const int t = kStroke * SwfGameKit::Twips;
    const int left = -w / 2 + t / 2, right = w / 2 - t / 2, top = -h / 2 + t / 2, bottom = h / 2 - t / 2;
    const QPoint centres[7] = {{0, top},      {right, -h / 4}, {right, h / 4}, {0, bottom},
                               {left, h / 4}, {left, -h / 4},  {0, 0}};
    return centres[segment];
}

SwfMatrix at(QPoint pixels)
{
    return SwfMatrix::translation(pixels.x() * SwfGameKit::Twips, pixels.y() * SwfGameKit::Twips);
}

} // namespace

SwfGameKit::SwfGameKit(const QColor &background)
    : m_swf(StageWidth * Twips, StageHeight * Twips, kFramesPerSecond)
{
    m_swf.fileAttributes();
    m_swf.setBackgroundColor(background);
}

uint16_t SwfGameKit::shape(const SwfShape &shape)
{
    m_swf.defineShape(m_nextId, shape);
    return m_nextId++;
}

uint16_t SwfGameKit::text(const QStringList &lines, int pixelSize, const QColor &colour)
{
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    const QFontMetricsF metrics(font);
    QPainterPath path;
    for (int i = 0; i < lines.size(); ++i) {
        const double width = metrics.horizontalAdvance(lines.at(i));
        path.addText(QPointF(-width / 2, metrics.ascent() + i * metrics.lineSpacing()), font, lines.at(i));
    }
    const double height = (lines.size() - 1) * metrics.lineSpacing() + metrics.height();
    return shape(SwfShape::path(path.translated(0, -height / 2), colour));
}

uint16_t SwfGameKit::sprite(const SwfTimeline &timeline)
{
    m_swf.defineSprite(m_nextId, timeline);
    return m_nextId++;
}

uint16_t SwfGameKit::button(std::initializer_list<uint16_t> faces, const SwfActions &onRelease)
{
    using R = SwfWriter::ButtonRecord;
    // Pressed, the faces sink a little and grow a touch, so a click is seen from the back row.
    const SwfMatrix pressed = SwfMatrix::rotation(0, 1.05, 0, 3 * Twips);
    QVector<R> records;
    uint16_t depth = 1;
    for (uint16_t face : faces) {
        const bool first = depth == 1;
        records.append(
            {uint8_t(first ? R::Up | R::Over | R::Hit : R::Up | R::Over), face, depth++, SwfMatrix()});
        records.append({R::Down, face, depth++, pressed});
    }
    m_swf.defineButton(m_nextId, records, onRelease);
    return m_nextId++;
}

uint16_t SwfGameKit::invisibleButton(uint16_t hitArea, const SwfActions &onRelease)
{
    m_swf.defineButton(m_nextId, {{SwfWriter::ButtonRecord::Hit, hitArea, 1, SwfMatrix()}}, onRelease);
    return m_nextId++;
}

uint16_t SwfGameKit::group(std::initializer_list<uint16_t> faces)
{
    SwfTimeline clip;
    uint16_t depth = 1;
    for (uint16_t face : faces)
        clip.placeObject(depth++, face, SwfMatrix());
    clip.showFrame();
    return sprite(clip);
}

void SwfGameKit::place(uint16_t id, QPoint pixels, const QString &name)
{
    m_swf.placeObject(m_nextDepth++, id, at(pixels), name);
}

uint16_t SwfGameKit::digitSprite(const QColor &colour)
{
    const uint16_t bar =
        shape(SwfShape::rectangle((kDigitWidth - 2 * kStroke) * Twips, kStroke * Twips, colour));
    const uint16_t post =
        shape(SwfShape::rectangle(kStroke * Twips, (kDigitHeight / 2 - kStroke) * Twips, colour));
    // Frame n + 1 shows digit n; each frame takes away the segments the last one lit.
    SwfTimeline digit;
    uint8_t lit = 0;
    for (int n = 0; n < 10; ++n) {
        for (int s = 0; s < 7; ++s) {
            if (lit & (1 << s))
                digit.removeObject(uint16_t(s + 1));
        }
        lit = kDigitSegments[n];
        for (int s = 0; s < 7; ++s) {
            if (lit & (1 << s)) {
                const QPoint c = segmentCentre(s);
                digit.placeObject(uint16_t(s + 1), s == 0 || s == 3 || s == 6 ? bar : post,
                                  SwfMatrix::translation(c.x(), c.y()));
            }
        }
        if (n == 0)
            digit.doAction(SwfActions().stop());
        digit.showFrame();
    }
    return sprite(digit);
}

SwfGameKit::Counter SwfGameKit::counter(const QString &name, int digits, QPoint topLeft, const QColor &colour)
{
    const uint16_t digit = digitSprite(colour);
    for (int i = digits - 1; i >= 0; --i) {
        const int column = digits - 1 - i;
        place(digit, topLeft + QPoint(column * kDigitPitch + kDigitWidth / 2, kDigitHeight / 2),
              name + QString::number(i));
    }
    return Counter(name, digits, QRect(topLeft, QSize(digits * kDigitPitch, kDigitHeight)));
}

SwfActions SwfGameKit::Counter::show(const QString &variable) const
{
    SwfActions code;
    int unit = 1;
    for (int i = 0; i < m_digits; ++i, unit *= 10) {
        // frame = int(value / unit) % 10 + 1
        code.push(variable).getVariable().push(unit).divide().toInteger().push(10).modulo().push(1).add();
        code.append(showFrameOnStack(QStringLiteral("/") + m_name + QString::number(i)));
    }
    return code;
}

void SwfGameKit::restartButton(const SwfActions &reset)
{
    const uint16_t face =
        shape(SwfShape::rectangle(110 * Twips, 34 * Twips, kButtonFace).withOutline(2 * Twips, Qt::white));
    const uint16_t label = text(QStringLiteral("重新开始"), 18, kButtonText);
    place(button({face, label}, SwfActions().setTarget(QStringLiteral("/")).append(reset)), RestartAt);
}

void SwfGameKit::ticker(const SwfActions &tick)
{
    SwfTimeline clip;
    clip.doAction(SwfActions().setTarget(QStringLiteral("/")).append(tick));
    clip.showFrame();
    clip.showFrame();
    place(sprite(clip), QPoint());
}

QByteArray SwfGameKit::finish(const SwfActions &start)
{
    m_swf.doAction(SwfActions().append(start).stop());
    m_swf.showFrame();
    return m_swf.finish();
}

SwfActions SwfGameKit::showFrame(const QString &path, int frame)
{
    return SwfActions().push(frame).append(showFrameOnStack(path));
}

SwfActions SwfGameKit::showFrameOnStack(const QString &path)
{
    return SwfActions().setTarget(path).gotoFrameOnStack(false).setTarget(QStringLiteral("/"));
}

SwfActions SwfGameKit::setVisible(const QString &path, bool visible)
{
    return SwfActions().push(path).push(SwfActions::Visible).push(visible ? 1 : 0).setProperty();
}

SwfActions SwfGameKit::assign(const QString &variable, int value)
{
    return SwfActions().push(variable).push(value).setVariable();
}

SwfActions SwfGameKit::increment(const QString &variable)
{
    return SwfActions().push(variable).push(variable).getVariable().push(1).add().setVariable();
}
