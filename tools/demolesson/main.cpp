// Writes the demo lesson into the program folder at build time:
//   veltano_demolesson <program folder>

#include "demolessonwriter.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream err(stderr);
    if (args.size() != 2) {
        err << "usage: veltano_demolesson <program folder>\n";
        return 2;
    }
    QString error;
    if (!DemoLessonWriter(args.at(1)).writeAll(&error)) {
        err << "veltano_demolesson: " << error << "\n";
        return 1;
    }
    return 0;
}
