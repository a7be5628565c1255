#pragma once

#include <QDialog>
#include <QList>
#include <QPair>

// "帮助主题": the desktop's keys and what each does, in a window of its own.
class KeyHelpWindow : public QDialog
{
    Q_OBJECT
public:
    KeyHelpWindow(const QList<QPair<QString, QString>> &keys, QWidget *parent = nullptr);
};
