// The list of solved puzzles with their best times.
#pragma once

#include <QDialog>

class QTreeWidget;
class RegistryStore;

class Tfcompleted : public QDialog {
    Q_OBJECT

public:
    explicit Tfcompleted(RegistryStore& registry, QWidget* parent = nullptr);

    // Refills the list from the registry and shows it modally until the player closes it.
    void ShowList();

private:
    void FillSolvedList();
    void ListView1ColumnClick(int column);

    RegistryStore& Registry;
    QTreeWidget* ListView1 = nullptr;
};
