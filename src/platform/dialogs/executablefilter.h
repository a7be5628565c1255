#pragma once

#include <QSortFilterProxyModel>

class QFileDialog;

// Shows folders and the files that may be run, whatever their names, while the
// open dialog's first filter entry (its programs entry) is chosen; the other
// entries list files by their patterns alone. For an open dialog over a
// QFileSystemModel (its own Executable filter hides all).
class ExecutableFilter : public QSortFilterProxyModel
{
    Q_OBJECT
public:
    // Puts a filter into the dialog, whose name filters are already set.
    static void install(QFileDialog &dialog);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    explicit ExecutableFilter(QFileDialog &dialog);

    void entryChosen();

    QFileDialog &m_dialog;
    QString m_programsEntry;
    bool m_active = true;
};
