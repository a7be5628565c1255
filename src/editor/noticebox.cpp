#include "noticebox.h"

#include "platform/messagebox.h"

void showNotice(MessageBox &box, const EditorNotice &notice)
{
    MessageBox::Icon icon = MessageBox::Icon::Information;
    if (notice.icon == EditorNotice::Icon::Exclamation)
        icon = MessageBox::Icon::Warning;
    else if (notice.icon == EditorNotice::Icon::Critical)
        icon = MessageBox::Icon::Critical;
    box.show(notice.text, notice.title, icon, MessageBox::Buttons::Ok);
}
