#include "fontaliases.h"

#include <QString>

QByteArray fontAliasesConfig()
{
    const char *const aliases[][2] = {
        {"宋体", "Noto Serif CJK SC"},    {"SimSun", "Noto Serif CJK SC"},
        {"新宋体", "Noto Serif CJK SC"},  {"NSimSun", "Noto Serif CJK SC"},
        {"黑体", "Noto Sans CJK SC"},     {"SimHei", "Noto Sans CJK SC"},
        {"微软雅黑", "Noto Sans CJK SC"}, {"Microsoft YaHei", "Noto Sans CJK SC"},
    };
    QByteArray xml = "<?xml version=\"1.0\"?>\n"
                     "<!DOCTYPE fontconfig SYSTEM \"urn:fontconfig:fonts.dtd\">\n"
                     "<!-- Generated with the program: the system fonts plus its Chinese font names. -->\n"
                     "<fontconfig>\n"
                     "  <include ignore_missing=\"yes\">/etc/fonts/fonts.conf</include>\n";
    for (const auto &alias : aliases) {
        xml += QStringLiteral("  <match target=\"pattern\">\n"
                              "    <test name=\"family\" qual=\"first\"><string>%1</string></test>\n"
                              "    <edit name=\"family\" mode=\"prepend\" binding=\"strong\">"
                              "<string>%2</string></edit>\n"
                              "  </match>\n")
                   .arg(QString::fromUtf8(alias[0]), QString::fromUtf8(alias[1]))
                   .toUtf8();
    }
    xml += "</fontconfig>\n";
    return xml;
}
