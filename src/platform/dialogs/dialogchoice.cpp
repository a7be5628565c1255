#include "dialogchoice.h"

#include "platform/messagebox.h"

SelectFileInfo parseDialogChoice(const QString &dialogText, MessageBox &messages)
{
    bool ok = false;
    SelectFileInfo info = GetDlgSelectFileInfo(dialogText, &ok);
    if (!ok)
        messages.show(QString::fromUtf8(kSelectFileErrorText), QString::fromUtf8(kSelectFileErrorTitle),
                      MessageBox::Icon::Critical, MessageBox::Buttons::Ok);
    return info;
}
