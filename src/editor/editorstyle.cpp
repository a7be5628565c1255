#include "editorstyle.h"

#include "geometry/twips.h"
#include "lesson/lessonbook.h"

#include <QCursor>
#include <QPixmap>
#include <QWidget>

namespace editorstyle {

QString indexedName(const char *name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

void place(QWidget *widget, const QString &name, const TwipsScale &scale, double left, double top,
           double width, double height)
{
    widget->setObjectName(name);
    widget->setGeometry(scale.toPixels(left, top, width, height));
}

void fill(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Button, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setFieldBackground(QWidget *field, const QColor &colour)
{
    QPalette palette = field->palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Base, colour);
    field->setPalette(palette);
}

QCursor pickerCursor(const LessonBook &book)
{
    const QPixmap icon(book.setFolder(QStringLiteral("image/small.ico")));
    if (icon.isNull())
        return QCursor(Qt::PointingHandCursor);
    return QCursor(icon, icon.width() / 2, icon.height() / 2);
}

} // namespace editorstyle
