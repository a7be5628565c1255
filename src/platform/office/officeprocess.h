#pragma once

#include "conversionbackend.h"
#include "conversionqueue.h"
#include "platform/documentconverter.h"

#include <memory>
#include <QList>

class QLockFile;
class QProcess;
class QTimer;

// Converts each file in a LibreOffice process of its own
// (`soffice --headless --convert-to`). Every running job holds a profile
// folder of its own, claimed with a lock file, so neither this program's jobs
// nor another copy of the program share one (LibreOffice then loses
// conversions without a word); profiles are kept between jobs, which spares
// the first-run set-up. At most `maxRunning` processes run at once; further
// jobs wait their turn, urgent ones first.
class OfficeProcessBackEnd : public ConversionBackEnd
{
    Q_OBJECT
public:
    static constexpr int kTimeoutMs = 180000;
    static constexpr int kTeacherWaitMs = DocumentConverter::kTeacherWaitSeconds * 1000;
    // Decks (and WPS and Works texts) are read as what they are named and nothing else:
    // LibreOffice would otherwise take bytes it cannot read for a text and make
    // slides of them. The import filter for an input file, empty for the rest.
    static QString importFilter(const QString &input);

    explicit OfficeProcessBackEnd(QString profilesFolder, QString program = QStringLiteral("soffice"),
                                  int maxRunning = 2, QObject *parent = nullptr);
    ~OfficeProcessBackEnd() override;

    void convert(const Job &job) override;
    void hurry(int id) override;
    void stopAll() override;

private:
    struct Running {
        Job job;
        QProcess *process = nullptr;
        QTimer *timeout = nullptr;
        std::unique_ptr<QLockFile> profileLock;
        QString profile;
    };

    void startWaiting();
    bool claimProfile(Running &running);
    void end(Running *running, const QString &problem);
    static void killGroup(QProcess *process);

    QString m_profilesFolder;
    QString m_program;
    int m_maxRunning;
    ConversionQueue m_waiting;
    QList<Running *> m_running;
};
