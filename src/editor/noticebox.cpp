#include "noticebox.h"

#include "platform/messagebox.h"

void showNotice(MessageBox &box, const EditorNotice &notice)
{
    const MessageBox::Icon icon = notice.icon == EditorNotice::Icon::Warning ? MessageBox::Icon::Warning
                                                                             : MessageBox::Icon::Information;
    box.show(notice.text, notice.title, icon, MessageBox::Buttons::Ok);
}
