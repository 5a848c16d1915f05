// The information of the loaded puzzle: name, identity, creator, date and comments.
#pragma once

#include <QDialog>

class QLabel;
struct PuzzleRecord;

class Tffileinfo : public QDialog {
    Q_OBJECT

public:
    explicit Tffileinfo(QWidget* parent = nullptr);

    // Takes the fields of a puzzle that has just loaded; the dialog shows them until the next.
    void Fill(const PuzzleRecord& puzzle);

private:
    QLabel* Label2 = nullptr;      // name
    QLabel* Label4 = nullptr;      // identity
    QLabel* Label9 = nullptr;      // creator
    QLabel* Label6 = nullptr;      // date created
    QLabel* StaticText1 = nullptr; // comments
};
