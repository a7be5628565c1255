#include "fakemediaprobe.h"

#include <QFileInfo>
#include <QObject>

void FakeMediaProbe::probe(MediaKind, const QString &path, QObject *context,
                           std::function<void(const QString &reason)> done)
{
    probed.append(path);
    const QString reason = m_reasons.value(QFileInfo(path).fileName());
    QMetaObject::invokeMethod(
        context, [done, reason] { done(reason); }, Qt::QueuedConnection);
}
