#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// Saves documents in other formats through LibreOffice in headless mode. Its
// user profile is a private one, so a build never disturbs (or waits for) an
// office program the developer has open.
class OfficeConverter
{
public:
    // Converts `source` (the bytes of a file ending in `sourceSuffix`) with the
    // filter `format` (as soffice --convert-to takes it, e.g. "doc:MS Word 97")
    // and writes the result to `target`. LibreOffice reports success even when
    // it wrote nothing, so the result must begin with `magic`.
    bool convert(const QByteArray &source, const QString &sourceSuffix, const QString &format,
                 const QByteArray &magic, const QString &target, QString *error);

private:
    QTemporaryDir m_work;
    int m_jobs = 0;
};
