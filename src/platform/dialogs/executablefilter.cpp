#include "executablefilter.h"

#include <QFileDialog>
#include <QFileSystemModel>

ExecutableFilter::ExecutableFilter(QFileDialog &dialog)
    : QSortFilterProxyModel(&dialog), m_dialog(dialog), m_programsEntry(dialog.nameFilters().value(0))
{
    connect(&dialog, &QFileDialog::filterSelected, this, &ExecutableFilter::entryChosen);
}

void ExecutableFilter::install(QFileDialog &dialog)
{
    dialog.setProxyModel(new ExecutableFilter(dialog));
}

void ExecutableFilter::entryChosen()
{
    // The entry's full text: the signal carries what the box shows, which may
    // leave out the patterns.
    m_active = m_dialog.selectedNameFilter() == m_programsEntry;
    invalidateFilter();
}

bool ExecutableFilter::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    const auto *files = qobject_cast<const QFileSystemModel *>(sourceModel());
    if (!m_active || !files)
        return true;
    const QFileInfo info = files->fileInfo(files->index(sourceRow, 0, sourceParent));
    return info.isDir() || info.isExecutable();
}
