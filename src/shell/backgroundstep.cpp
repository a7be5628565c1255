#include "backgroundstep.h"

#include "pack/packprogress.h"

#include <memory>
#include <QEventLoop>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>

namespace backgroundstep {

bool run(QWidget *parent, const QString &title, const QString &label, lessonpack::Progress &progress,
         const std::function<bool()> &step)
{
    constexpr int kSteps = 1000;
    QProgressDialog dialog(label, QStringLiteral("取消"), 0, kSteps, parent);
    dialog.setObjectName(QStringLiteral("packProgress"));
    dialog.setWindowTitle(title);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setMinimumDuration(0);
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
    QObject::connect(&dialog, &QProgressDialog::canceled, [&progress, &dialog] {
        progress.cancel();
        dialog.setLabelText(QStringLiteral("正在取消……"));
    });
    QTimer ticks;
    ticks.setInterval(100);
    QObject::connect(&ticks, &QTimer::timeout, [&progress, &dialog] {
        const qint64 total = progress.total();
        if (total > 0)
            dialog.setValue(int(qMin<qint64>(kSteps, progress.done() * kSteps / total)));
    });
    bool result = false;
    QEventLoop loop;
    const std::unique_ptr<QThread> thread(QThread::create([&result, &step] { result = step(); }));
    QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit);
    thread->start();
    ticks.start();
    dialog.show();
    loop.exec();
    thread->wait();
    return result;
}

} // namespace backgroundstep
