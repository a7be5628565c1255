#pragma once

#include "platform/messagebox.h"

class QtMessageBox : public MessageBox
{
public:
    Answer show(const QString &text, const QString &title, Icon icon, Buttons buttons) override;
};
