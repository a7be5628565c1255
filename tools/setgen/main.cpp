// Generates the program folder's set/ tree at build time:
//   veltano_setgen <set folder> <fortunes folder>

#include "setfolderwriter.h"

#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    // Text drawn into the game movies needs the font database, not a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream err(stderr);
    if (args.size() != 3) {
        err << "usage: veltano_setgen <set folder> <fortunes folder>\n";
        return 2;
    }
    QString error;
    if (!SetFolderWriter(args.at(1), args.at(2)).writeAll(&error)) {
        err << "veltano_setgen: " << error << "\n";
        return 1;
    }
    return 0;
}
