// The name, creator, comments, level and size of the puzzle in the editor.
#pragma once

#include <QDialog>

class ArrowSpinBox;
class LevelSlider;
class LimitedMemo;
class QLabel;
class QLineEdit;
class QPushButton;
struct PuzzleRecord;

class Tfpuzzleinfo : public QDialog {
    Q_OBJECT

public:
    explicit Tfpuzzleinfo(QWidget* parent = nullptr);

    // Every control afresh from the puzzle; the level panel shows the level unclamped.
    void FillPuzzleInfo(const PuzzleRecord& puzzle);
    // Name, creator, level (as the panel shows it), comments and size back into the puzzle.
    void TakePuzzleInfo(PuzzleRecord& puzzle) const;
    // Fills the dialog, shows it modally and on OK takes it back; true for OK. Cancel leaves the
    // puzzle as it was.
    bool EditPuzzleInfo(PuzzleRecord& puzzle);

protected:
    // Neither button is the default or the cancel button: Enter and Escape do not end the dialog.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void TrackBar1Change();

    QLineEdit* Edit1 = nullptr; // name
    QLineEdit* Edit2 = nullptr; // creator
    QLineEdit* Edit3 = nullptr; // identity, read-only
    QLineEdit* Edit4 = nullptr; // creation date, read-only
    LimitedMemo* Memo1 = nullptr;
    ArrowSpinBox* SpinEdit1 = nullptr; // width
    ArrowSpinBox* SpinEdit2 = nullptr; // height
    LevelSlider* TrackBar1 = nullptr;
    QLabel* Panel1 = nullptr;       // the level
    QPushButton* Button1 = nullptr; // Cancel
    QPushButton* Button2 = nullptr; // OK
    bool Filling = false;
};
