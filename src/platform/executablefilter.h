#pragma once

#include <QSortFilterProxyModel>

// Shows folders and the files that may be run, whatever their names; for an
// open dialog over a QFileSystemModel (its own Executable filter hides all).
class ExecutableFilter : public QSortFilterProxyModel
{
    Q_OBJECT
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;
};
