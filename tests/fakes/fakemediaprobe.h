#pragma once

#include "platform/mediaprobe.h"

#include <QHash>
#include <QStringList>

// Answers from a table of reasons by file name; every other file plays.
class FakeMediaProbe : public MediaProbe
{
public:
    void refuse(const QString &fileName, const QString &reason) { m_reasons.insert(fileName, reason); }
    void probe(MediaKind kind, const QString &path, QObject *context,
               std::function<void(const QString &reason)> done) override;

    QStringList probed;

private:
    QHash<QString, QString> m_reasons;
};
