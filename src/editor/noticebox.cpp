#include "noticebox.h"

#include "platform/messagebox.h"

void showNotice(MessageBox &box, const EditorNotice &notice)
{
    box.show(notice.text, notice.title, notice.icon, MessageBox::Buttons::Ok);
}
