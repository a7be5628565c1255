#include "swf/swfactions.h"

#include "swf/bitwriter.h"

#include <cstdint>
#include <stdexcept>

namespace {

constexpr int kBranchSize = 5; // code, length 2, signed 16-bit offset

QByteArray actionRecord(uint8_t code, const QByteArray &data)
{
    BitWriter out;
    out.writeUI8(code);
    out.writeUI16(static_cast<uint16_t>(data.size()));
    out.writeBytes(data);
    return out.bytes();
}

} // namespace

SwfActions &SwfActions::simple(Code code)
{
    m_items.append({QByteArray(1, char(code))});
    return *this;
}

SwfActions &SwfActions::withData(Code code, const QByteArray &data)
{
    m_items.append({actionRecord(code, data)});
    return *this;
}

SwfActions &SwfActions::branch(Code code, int label)
{
    m_items.append({QByteArray(1, char(code)), label});
    return *this;
}

SwfActions &SwfActions::push(const QString &text)
{
    QByteArray data(1, '\0'); // string
    data.append(text.toUtf8());
    data.append('\0');
    return withData(Push, data);
}

SwfActions &SwfActions::push(int value)
{
    BitWriter data;
    data.writeUI8(7); // 32-bit integer
    data.writeUI32(static_cast<uint32_t>(value));
    return withData(Push, data.bytes());
}

SwfActions &SwfActions::getVariable()
{
    return simple(GetVariable);
}
SwfActions &SwfActions::setVariable()
{
    return simple(SetVariable);
}
SwfActions &SwfActions::add()
{
    return simple(Add2);
}
SwfActions &SwfActions::subtract()
{
    return simple(Subtract);
}
SwfActions &SwfActions::multiply()
{
    return simple(Multiply);
}
SwfActions &SwfActions::divide()
{
    return simple(Divide);
}
SwfActions &SwfActions::modulo()
{
    return simple(Modulo);
}
SwfActions &SwfActions::less()
{
    return simple(Less2);
}
SwfActions &SwfActions::equals()
{
    return simple(Equals2);
}
SwfActions &SwfActions::logicalNot()
{
    return simple(Not);
}
SwfActions &SwfActions::toInteger()
{
    return simple(ToInteger);
}
SwfActions &SwfActions::random()
{
    return simple(RandomNumber);
}
SwfActions &SwfActions::getTime()
{
    return simple(GetTime);
}
SwfActions &SwfActions::substring()
{
    return simple(StringExtract);
}
SwfActions &SwfActions::getProperty()
{
    return simple(GetProperty);
}
SwfActions &SwfActions::setProperty()
{
    return simple(SetProperty);
}
SwfActions &SwfActions::pop()
{
    return simple(Pop);
}
SwfActions &SwfActions::stop()
{
    return simple(Stop);
}
SwfActions &SwfActions::play()
{
    return simple(Play);
}

SwfActions &SwfActions::gotoFrame(int zeroBasedFrame)
{
    BitWriter data;
    data.writeUI16(static_cast<uint16_t>(zeroBasedFrame));
    return withData(GotoFrame, data.bytes());
}

SwfActions &SwfActions::gotoFrameOnStack(bool andPlay)
{
    return withData(GotoFrame2, QByteArray(1, andPlay ? '\x01' : '\0')); // no scene bias
}

SwfActions &SwfActions::setTarget(const QString &path)
{
    return withData(SetTarget, path.toUtf8() + QByteArray(1, '\0'));
}

SwfActions &SwfActions::getUrl(const QString &url, const QString &target)
{
    return withData(GetUrl, url.toUtf8() + QByteArray(1, '\0') + target.toUtf8() + QByteArray(1, '\0'));
}

int SwfActions::newLabel()
{
    m_labels.append(-1);
    return m_labels.size() - 1;
}

SwfActions &SwfActions::mark(int label)
{
    m_labels[label] = m_items.size();
    return *this;
}

SwfActions &SwfActions::jump(int label)
{
    return branch(Jump, label);
}
SwfActions &SwfActions::jumpIf(int label)
{
    return branch(If, label);
}

SwfActions &SwfActions::append(const SwfActions &other)
{
    m_items.append({other.code()});
    return *this;
}

QByteArray SwfActions::code() const
{
    // Offsets of every item first; a label stands before the item it was marked at.
    QVector<int> at;
    int offset = 0;
    for (const Item &item : m_items) {
        at.append(offset);
        offset += item.target < 0 ? item.bytes.size() : kBranchSize;
    }
    at.append(offset);

    QByteArray out;
    for (int i = 0; i < m_items.size(); ++i) {
        const Item &item = m_items.at(i);
        if (item.target < 0) {
            out.append(item.bytes);
            continue;
        }
        const int labelled = m_labels.value(item.target, -1);
        if (labelled < 0)
            throw std::logic_error("branch to a label that was never marked");
        // Branch offsets count from the end of the branch action.
        const int distance = at.at(labelled) - (at.at(i) + kBranchSize);
        if (distance < INT16_MIN || distance > INT16_MAX)
            throw std::length_error("branch farther than 32 KB");
        BitWriter data;
        data.writeUI16(static_cast<uint16_t>(static_cast<int16_t>(distance)));
        out.append(actionRecord(uint8_t(item.bytes.at(0)), data.bytes()));
    }
    return out;
}
