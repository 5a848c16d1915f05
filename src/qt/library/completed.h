// The list of solved puzzles with their best times.
#pragma once

#include "library/solved_puzzles_list.h"

#include <QDialog>

class QTreeWidget;
class RegistryStore;

class Tfcompleted : public QDialog, public SolvedPuzzlesList {
    Q_OBJECT

public:
    explicit Tfcompleted(RegistryStore& registry, QWidget* parent = nullptr);

    void ShowList() override;

private:
    void FillSolvedList();
    void ListView1ColumnClick(int column);

    RegistryStore& Registry;
    QTreeWidget* ListView1 = nullptr;
};
