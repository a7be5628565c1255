#include "keyhelpwindow.h"

#include "platform/songfont.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

KeyHelpWindow::KeyHelpWindow(const QList<QPair<QString, QString>> &keys, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("帮助主题 - 键盘操作"));
    setFont(songFont(12));
    auto *table = new QTableWidget(int(keys.size()), 2, this);
    table->setObjectName(QStringLiteral("KeyList"));
    table->setHorizontalHeaderLabels({QStringLiteral("按键"), QStringLiteral("作用")});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int row = 0; row < keys.size(); ++row) {
        table->setItem(row, 0, new QTableWidgetItem(keys.at(row).first));
        table->setItem(row, 1, new QTableWidgetItem(keys.at(row).second));
    }
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(table);
    layout->addWidget(buttons);
    resize(620, 640);
}
