#pragma once

#include "messagebox.h"

class QtMessageBox : public MessageBox
{
public:
    Answer show(const QString &text, const QString &title, Icon icon, Buttons buttons) override;
};
