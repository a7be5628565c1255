#include "recordtexts.h"

#include "gbktext.h"

namespace recordtexts {

bool unpack(const QByteArray &record, int count, QStringList *texts)
{
    QStringList result;
    int pos = 0;
    const int size = qMin<int>(record.size(), kRecordSize);
    for (int i = 0; i < count; ++i) {
        if (pos + 2 > size)
            return false;
        const int length = quint8(record.at(pos)) | (quint8(record.at(pos + 1)) << 8);
        pos += 2;
        if (pos + length > size)
            return false;
        result.append(gbk::decode(record.mid(pos, length)));
        pos += length;
    }
    *texts = result;
    return true;
}

PackResult pack(const QStringList &texts, QByteArray *record, int *badIndex)
{
    QList<QByteArray> encoded;
    if (!gbk::encodeAll(texts, &encoded, badIndex))
        return PackResult::NotGbk;
    QByteArray result;
    for (const QByteArray &bytes : encoded) {
        result.append(char(bytes.size() & 0xff));
        result.append(char((bytes.size() >> 8) & 0xff));
        result.append(bytes);
    }
    if (result.size() > kRecordSize)
        return PackResult::TooLong;
    result.append(QByteArray(kRecordSize - result.size(), '\0'));
    *record = result;
    return PackResult::Ok;
}

} // namespace recordtexts
